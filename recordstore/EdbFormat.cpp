// The store file: header, field table, records, CRC-32 (docs/edb-format.md).
// All integers are little-endian, written byte by byte so that the format
// does not depend on the machine.
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "platform/text/Encoding.h"
#include "recordstore/RecordStore.h"

namespace voz::recordstore {

namespace {

constexpr std::string_view kMagic = "VOZEDB";
constexpr std::uint16_t kVersion = 1;
// Magic, version, field count, record count.
constexpr size_t kHeaderSize = 6 + 2 + 2 + 4;
constexpr size_t kChecksumSize = 4;

// Tables for slicing by eight: table k advances the CRC over a byte
// followed by k zero bytes, so eight bytes go through in one step.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr CrcTables MakeCrcTables() {
  CrcTables tables{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    tables[0][i] = c;
  }
  for (std::uint32_t i = 0; i < 256; ++i) {
    for (size_t t = 1; t < 8; ++t) tables[t][i] = (tables[t - 1][i] >> 8) ^ tables[0][tables[t - 1][i] & 0xFF];
  }
  return tables;
}

constexpr CrcTables kCrc = MakeCrcTables();

void PutLe(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int WidthOf(FieldKind kind) {
  switch (kind) {
    case FieldKind::Int8:
      return 1;
    case FieldKind::Int16:
      return 2;
    case FieldKind::Int32:
    case FieldKind::Float32:
      return 4;
    case FieldKind::Int64:
    case FieldKind::Float64:
      return 8;
    default:
      return 0;
  }
}

void PutCell(std::string& out, const Cell& cell, FieldKind kind) {
  switch (kind) {
    case FieldKind::Text: {
      const auto* text = std::get_if<std::string>(&cell);
      const std::string_view value = text != nullptr ? std::string_view(*text) : std::string_view();
      PutLe(out, value.size(), 4);
      out.append(value);
      return;
    }
    case FieldKind::Float32: {
      const auto* value = std::get_if<double>(&cell);
      PutLe(out, std::bit_cast<std::uint32_t>(static_cast<float>(value != nullptr ? *value : 0.0)), 4);
      return;
    }
    case FieldKind::Float64: {
      const auto* value = std::get_if<double>(&cell);
      PutLe(out, std::bit_cast<std::uint64_t>(value != nullptr ? *value : 0.0), 8);
      return;
    }
    default: {
      const auto* value = std::get_if<std::int64_t>(&cell);
      PutLe(out, static_cast<std::uint64_t>(value != nullptr ? *value : 0), WidthOf(kind));
      return;
    }
  }
}

// Reads the file front to back; every read checks the bytes are there.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  size_t Remaining() const { return bytes_.size() - offset_; }

  bool Take(int count, std::uint64_t& value) {
    if (Remaining() < static_cast<size_t>(count)) return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[offset_ + i])) << (8 * i);
    }
    offset_ += static_cast<size_t>(count);
    return true;
  }

  bool TakeBytes(size_t count, std::string_view& value) {
    if (Remaining() < count) return false;
    value = bytes_.substr(offset_, count);
    offset_ += count;
    return true;
  }

 private:
  std::string_view bytes_;
  size_t offset_ = 0;
};

std::int64_t SignExtend(std::uint64_t raw, int bytes) {
  if (bytes == 8) return static_cast<std::int64_t>(raw);
  const std::uint64_t sign = std::uint64_t{1} << (8 * bytes - 1);
  return static_cast<std::int64_t>((raw ^ sign) - sign);
}

std::optional<Cell> TakeCell(Reader& reader, FieldKind kind, std::string& why) {
  std::uint64_t raw = 0;
  switch (kind) {
    case FieldKind::Text: {
      std::string_view value;
      if (!reader.Take(4, raw) || !reader.TakeBytes(raw, value)) {
        why = "a text runs past the end of the records";
        return std::nullopt;
      }
      if (!text::IsValidUtf8(value)) {
        why = "a text is not UTF-8";
        return std::nullopt;
      }
      return Cell{std::string(value)};
    }
    case FieldKind::Float32:
    case FieldKind::Float64: {
      if (!reader.Take(WidthOf(kind), raw)) break;
      const double value = kind == FieldKind::Float32
                               ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(raw)))
                               : std::bit_cast<double>(raw);
      if (std::isnan(value)) {
        why = "a float is NaN";
        return std::nullopt;
      }
      return Cell{value};
    }
    default:
      if (!reader.Take(WidthOf(kind), raw)) break;
      return Cell{SignExtend(raw, WidthOf(kind))};
  }
  why = "a number runs past the end of the records";
  return std::nullopt;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t n = bytes.size();
  for (; n >= 8; n -= 8, p += 8) {
    const std::uint32_t low = crc ^ (p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
    crc = kCrc[7][low & 0xFF] ^ kCrc[6][(low >> 8) & 0xFF] ^ kCrc[5][(low >> 16) & 0xFF] ^ kCrc[4][low >> 24] ^
          kCrc[3][p[4]] ^ kCrc[2][p[5]] ^ kCrc[1][p[6]] ^ kCrc[0][p[7]];
  }
  for (; n > 0; --n, ++p) crc = kCrc[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::string SerializeTable(const Table& table) {
  std::string out;
  out.reserve(kHeaderSize + kChecksumSize + table.fields.size() * 16 + table.records.size() * table.fields.size() * 8);
  out.append(kMagic);
  PutLe(out, kVersion, 2);
  PutLe(out, table.fields.size(), 2);
  PutLe(out, table.records.size(), 4);
  for (const auto& field : table.fields) {
    PutLe(out, static_cast<std::uint8_t>(field.kind), 1);
    PutLe(out, field.name.size(), 1);
    out.append(field.name);
  }
  for (const auto& record : table.records) {
    for (size_t i = 0; i < table.fields.size(); ++i) {
      PutCell(out, i < record.size() ? record[i] : Cell{}, table.fields[i].kind);
    }
  }
  PutLe(out, Crc32(out), 4);
  return out;
}

std::optional<Table> ParseTable(std::string_view bytes) { return ParseTable(bytes, nullptr); }

std::optional<Table> ParseTable(std::string_view bytes, std::string* why) {
  std::string reason;
  const auto fail = [&]() -> std::optional<Table> {
    if (why != nullptr) *why = reason;
    return std::nullopt;
  };
  if (bytes.size() < kMagic.size() || bytes.substr(0, kMagic.size()) != kMagic) {
    reason = "not a record store file (no VOZEDB signature)";
    return fail();
  }
  if (bytes.size() < kHeaderSize + kChecksumSize) {
    reason = "the file is truncated";
    return fail();
  }
  Reader reader(bytes.substr(0, bytes.size() - kChecksumSize));
  std::uint64_t version = 0, fieldCount = 0, recordCount = 0, stored = 0;
  std::string_view magic;
  reader.TakeBytes(kMagic.size(), magic);
  reader.Take(2, version);
  if (version != kVersion) {
    reason = "unsupported format version " + std::to_string(version);
    return fail();
  }
  Reader(bytes.substr(bytes.size() - kChecksumSize)).Take(4, stored);
  if (stored != Crc32(bytes.substr(0, bytes.size() - kChecksumSize))) {
    reason = "checksum mismatch (the file is truncated or damaged)";
    return fail();
  }
  reader.Take(2, fieldCount);
  reader.Take(4, recordCount);

  Table table;
  if (fieldCount == 0) {
    reason = "the file has no fields";
    return fail();
  }
  for (std::uint64_t i = 0; i < fieldCount; ++i) {
    std::uint64_t kind = 0, nameLength = 0;
    std::string_view name;
    if (!reader.Take(1, kind) || !reader.Take(1, nameLength) || !reader.TakeBytes(nameLength, name)) {
      reason = "the field table runs past the end of the file";
      return fail();
    }
    FieldDef field{std::string(name), static_cast<FieldKind>(kind)};
    if (KindName(field.kind).empty()) {
      reason = "field " + std::to_string(i + 1) + " has unknown kind " + std::to_string(kind);
      return fail();
    }
    if (!IsValidFieldName(field.name)) {
      reason = "field " + std::to_string(i + 1) + " has an invalid name";
      return fail();
    }
    for (const auto& earlier : table.fields) {
      if (earlier.name == field.name) {
        reason = "field '" + field.name + "' is defined twice";
        return fail();
      }
    }
    table.fields.push_back(std::move(field));
  }
  // Every record takes at least one byte, so a count beyond the bytes left is
  // a damaged header and must not reserve memory.
  if (recordCount > reader.Remaining()) {
    reason = "the record count exceeds the file";
    return fail();
  }
  table.records.reserve(recordCount);
  for (std::uint64_t r = 0; r < recordCount; ++r) {
    std::vector<Cell> record;
    record.reserve(table.fields.size());
    for (const auto& field : table.fields) {
      auto cell = TakeCell(reader, field.kind, reason);
      if (!cell) {
        reason = "record " + std::to_string(r + 1) + ", field '" + field.name + "': " + reason;
        return fail();
      }
      record.push_back(std::move(*cell));
    }
    table.records.push_back(std::move(record));
  }
  if (reader.Remaining() != 0) {
    reason = "unexpected bytes after the last record";
    return fail();
  }
  return table;
}

bool WriteTableFile(files::FileSystem& fs, const std::string& path, const Table& table) {
  if (!IsValidTable(table)) return false;
  return files::WriteFileAtomically(fs, path, SerializeTable(table));
}

}  // namespace voz::recordstore
