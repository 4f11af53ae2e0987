// The record store: one open table file of fixed, named fields, one
// current-record position, navigation, field access by name, append and
// delete. Every change is written to disk atomically before it returns.
// The file format is described in docs/edb-format.md.
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

// "text", "int8", ... "float64"; empty for a value outside the enum.
std::string_view KindName(FieldKind kind);
std::optional<FieldKind> KindFromName(std::string_view name);
bool IsIntegerKind(FieldKind kind);
bool IsFloatKind(FieldKind kind);

struct FieldDef {
  std::string name;  // UTF-8
  FieldKind kind = FieldKind::Text;
  bool operator==(const FieldDef&) const = default;
};

// A field name is 1 to 255 bytes of UTF-8 without spaces, control
// characters or '=' and does not start with '#', so the text form can carry it.
bool IsValidFieldName(std::string_view name);

// One stored value: text (UTF-8), an integer or a float, as the field's kind says.
using Cell = std::variant<std::string, std::int64_t, double>;

// True when the cell can be stored in a field of that kind: text that is
// UTF-8 for Text, an integer within the width for IntN, a double that is not
// NaN (and for Float32 is exactly a float) for FloatN.
bool CellFitsKind(const Cell& cell, FieldKind kind);

// A value read from a field, with the field's kind.
struct FieldValue {
  FieldKind kind = FieldKind::Text;
  Cell cell;

  bool IsText() const { return kind == FieldKind::Text; }
  // The text of a text field; a number's decimal form otherwise (floats in
  // the shortest form that reads back exactly).
  std::string AsText() const;
  // A number as a 32-bit integer (floats truncate toward zero, out-of-range
  // values saturate, NaN gives 0); a text field converts its leading number
  // (see LeadingInteger), else 0.
  std::int32_t AsInt32() const;
  // A text field gives its leading decimal number (sign, digits, fraction,
  // exponent), else 0.
  double AsDouble() const;
};

// The integer value of a text: optional blanks, an optional sign, decimal
// digits; a fraction and anything after it are dropped (which truncates
// toward zero). No digits give 0; nothing when the value exceeds 64 bits.
std::optional<std::int64_t> LeadingInteger(std::string_view text);

// A value given to write field or add.
using WriteValue = std::variant<std::string, std::int64_t>;

// The cell that `value` becomes in a field of `kind`, or nothing when it
// does not fit: a text goes into a numeric field as its LeadingInteger, an
// integer into a text field as its decimal form; a number outside the
// field's width (or not exactly a float of it) is refused, never cut.
std::optional<Cell> ConvertForField(const WriteValue& value, FieldKind kind);

// The whole content of a store file.
struct Table {
  std::vector<FieldDef> fields;
  std::vector<std::vector<Cell>> records;  // each record has one cell per field
  bool operator==(const Table&) const = default;
};

// True when the table can be written as a store file: at least one field,
// valid and distinct field names, known kinds, and every record with one
// fitting cell per field. Otherwise `why` (when given) says what is wrong.
bool IsValidTable(const Table& table, std::string* why = nullptr);

class RecordStore {
 public:
  explicit RecordStore(files::FileSystem& fs);

  // Opens the file; afterwards the first record is current. A missing,
  // truncated, malformed or foreign file gives an open store with no records
  // (false is returned) and is never modified: such a store refuses every
  // change. An open store is closed first.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const;
  // True when the open succeeded, so changes may be written.
  bool IsWritable() const;

  // Positions run from 0 (before the first record) through 1..N (a record
  // is current) to N + 1 (after the last record).
  int RecordCount() const;       // 0 when closed or when the open failed
  int CurrentNumber() const;     // 1-based; 0 when no record is current
  void GoFirst();                // no record current when the store is empty
  void GoLast();
  void Skip(int delta);          // stops at 0 and N + 1
  bool BeforeFirst() const;      // position 0, or the store is empty
  bool AfterLast() const;        // position N + 1, or the store is empty
  bool GoTo(int number);         // false outside 1..N: below 1 goes to 0, above N to N + 1

  const std::vector<FieldDef>& Fields() const;
  // The field of the current record; nothing when closed, no record is
  // current, or the field does not exist.
  std::optional<FieldValue> Read(std::string_view field) const;
  // Writes one field of the current record (see ConvertForField). False,
  // with nothing changed, when no record is current, the field does not
  // exist, the value does not fit, the open failed, the file was changed
  // by someone else since it was opened, or the file cannot be written.
  bool Write(std::string_view field, const WriteValue& value);
  // Appends a record (one value per field in file order, any of them
  // absent: 0 or empty text), which becomes current. False, with nothing
  // changed, for more values than fields, a value that does not fit, or
  // any of the reasons of Write.
  bool Add(const std::vector<std::optional<WriteValue>>& values);
  // Removes the current record at once; later records move down by one.
  // The record that took its place becomes current, else the new last one;
  // none when the store is now empty.
  bool DeleteAndPurge();

 private:
  // Writes table_ (already changed) to the file; false when it cannot.
  bool Commit();
  std::optional<size_t> FieldIndex(std::string_view field) const;
  bool HasCurrent() const;

  files::FileSystem& fs_;
  std::string path_;
  bool open_ = false;
  bool writable_ = false;
  std::optional<files::FileStamp> stamp_;  // the file as last read or written
  Table table_;
  int position_ = 0;  // 1..N, 0 before first, N+1 after last
};

// The file format (see docs/edb-format.md).
// SerializeTable expects a valid table (IsValidTable).
std::string SerializeTable(const Table& table);
// Nothing when the bytes are not a complete, well-formed store file;
// `why` (when given) then says what is wrong.
std::optional<Table> ParseTable(std::string_view bytes);
std::optional<Table> ParseTable(std::string_view bytes, std::string* why);

// CRC-32 (IEEE 802.3, as in zip and PNG) of the bytes.
std::uint32_t Crc32(std::string_view bytes);

// Writes a new store file atomically (used by tools and the build, never by
// the programs). False for an invalid table or a failed write.
bool WriteTableFile(files::FileSystem& fs, const std::string& path, const Table& table);

}  // namespace voz::recordstore
