// The record store: one open table file of fixed, named fields, one
// current-record position, navigation, field access by name, append and
// delete. Every change is written to disk atomically before it returns.
//
// Not thread-safe: all calls come from the user-interface thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/files/FileSystem.h"

namespace voz::recordstore {

// How a field stores its values; numeric widths are kept as written.
enum class FieldKind : std::uint8_t {
  Text = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Int64 = 5,
  Float32 = 6,
  Float64 = 7,
};

struct FieldDef {
  std::string name;  // UTF-8
  FieldKind kind = FieldKind::Text;
  bool operator==(const FieldDef&) const = default;
};

// One stored value: text (UTF-8), an integer or a float, as the field's kind says.
using Cell = std::variant<std::string, std::int64_t, double>;

// A value read from a field, with the field's kind.
struct FieldValue {
  FieldKind kind = FieldKind::Text;
  Cell cell;

  bool IsText() const { return kind == FieldKind::Text; }
  // The text of a text field; a number's decimal form otherwise.
  std::string AsText() const;
  // A number as a 32-bit integer (floats truncate toward zero, out-of-range
  // values saturate); a text field converts its leading number, else 0.
  std::int32_t AsInt32() const;
  double AsDouble() const;
};

// A value given to write field or add.
using WriteValue = std::variant<std::string, std::int64_t>;

// The whole content of a store file.
struct Table {
  std::vector<FieldDef> fields;
  std::vector<std::vector<Cell>> records;  // each record has one cell per field
  bool operator==(const Table&) const = default;
};

class RecordStore {
 public:
  explicit RecordStore(files::FileSystem& fs);

  // Opens the file; afterwards the first record is current. A missing,
  // truncated, malformed or foreign file gives an open store with no records
  // (false is returned) and is never modified.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const;

  int RecordCount() const;       // 0 when closed or when the open failed
  int CurrentNumber() const;     // 1-based; 0 when no record is current
  void GoFirst();
  void GoLast();
  void Skip(int delta);
  bool BeforeFirst() const;      // a skip moved back past record 1
  bool AfterLast() const;        // a skip moved forward past record N
  bool GoTo(int number);         // false (and no record current) outside 1..N

  const std::vector<FieldDef>& Fields() const;
  // The field of the current record; nothing when closed, no record is
  // current, or the field does not exist.
  std::optional<FieldValue> Read(std::string_view field) const;
  // Writes one field of the current record. A text written to a numeric
  // field is stored as its integer value; an integer written to a text field
  // as its decimal form.
  bool Write(std::string_view field, const WriteValue& value);
  // Appends a record (one value per field in file order, any of them
  // absent: 0 or empty text), which becomes current.
  bool Add(const std::vector<std::optional<WriteValue>>& values);
  // Removes the current record at once; later records move down by one.
  bool DeleteAndPurge();

 private:
  bool Save(Table next);
  files::FileSystem& fs_;
  std::string path_;
  bool open_ = false;
  Table table_;
  int position_ = 0;  // 1..N, 0 before first, N+1 after last
};

// The file format (see docs/edb-format.md).
std::string SerializeTable(const Table& table);
// Nothing when the bytes are not a complete, well-formed store file.
std::optional<Table> ParseTable(std::string_view bytes);

// Writes a new store file (used by tools and the build, never by the programs).
bool WriteTableFile(files::FileSystem& fs, const std::string& path, const Table& table);

}  // namespace voz::recordstore
