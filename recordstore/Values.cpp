// Field kinds, cell checks and the conversions between texts and numbers.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/text/Encoding.h"
#include "recordstore/RecordStore.h"

namespace voz::recordstore {

namespace {

struct KindEntry {
  FieldKind kind;
  std::string_view name;
};

constexpr KindEntry kKinds[] = {
    {FieldKind::Text, "text"},       {FieldKind::Int8, "int8"},       {FieldKind::Int16, "int16"},
    {FieldKind::Int32, "int32"},     {FieldKind::Int64, "int64"},     {FieldKind::Float32, "float32"},
    {FieldKind::Float64, "float64"},
};

bool IntegerFits(std::int64_t value, FieldKind kind) {
  switch (kind) {
    case FieldKind::Int8:
      return value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max();
    case FieldKind::Int16:
      return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
    case FieldKind::Int32:
      return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
    case FieldKind::Int64:
      return true;
    default:
      return false;
  }
}

bool DoubleFits(double value, FieldKind kind) {
  if (std::isnan(value)) return false;
  if (kind == FieldKind::Float64) return true;
  if (kind != FieldKind::Float32) return false;
  if (std::isinf(value)) return true;
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) return false;
  return static_cast<double>(static_cast<float>(value)) == value;
}

// 2^63 as a double: the first value above every int64.
constexpr double kTwoTo63 = 9223372036854775808.0;

std::string FormatDouble(double value, FieldKind kind) {
  char buffer[64];
  const auto result = kind == FieldKind::Float32
                          ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value))
                          : std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view KindName(FieldKind kind) {
  for (const auto& entry : kKinds) {
    if (entry.kind == kind) return entry.name;
  }
  return {};
}

std::optional<FieldKind> KindFromName(std::string_view name) {
  for (const auto& entry : kKinds) {
    if (entry.name == name) return entry.kind;
  }
  return std::nullopt;
}

bool IsIntegerKind(FieldKind kind) {
  return kind == FieldKind::Int8 || kind == FieldKind::Int16 || kind == FieldKind::Int32 ||
         kind == FieldKind::Int64;
}

bool IsFloatKind(FieldKind kind) { return kind == FieldKind::Float32 || kind == FieldKind::Float64; }

bool IsValidFieldName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name[0] == '#') return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F || c == '=') return false;
  }
  return text::IsValidUtf8(name);
}

bool CellFitsKind(const Cell& cell, FieldKind kind) {
  if (kind == FieldKind::Text) {
    const auto* text = std::get_if<std::string>(&cell);
    return text != nullptr && text::IsValidUtf8(*text);
  }
  if (IsIntegerKind(kind)) {
    const auto* value = std::get_if<std::int64_t>(&cell);
    return value != nullptr && IntegerFits(*value, kind);
  }
  const auto* value = std::get_if<double>(&cell);
  return value != nullptr && DoubleFits(*value, kind);
}

std::optional<std::int64_t> LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that the int64 minimum fits.
  std::int64_t value = 0;
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (negative) return value;
  if (value == kMin) return std::nullopt;
  return -value;
}

std::optional<Cell> ConvertForField(const WriteValue& value, FieldKind kind) {
  if (kind == FieldKind::Text) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return Cell{std::to_string(*number)};
    const auto& text = std::get<std::string>(value);
    if (!text::IsValidUtf8(text)) return std::nullopt;
    return Cell{text};
  }
  std::int64_t number = 0;
  if (const auto* given = std::get_if<std::int64_t>(&value)) {
    number = *given;
  } else {
    const auto leading = LeadingInteger(std::get<std::string>(value));
    if (!leading) return std::nullopt;
    number = *leading;
  }
  if (IsIntegerKind(kind)) {
    if (!IntegerFits(number, kind)) return std::nullopt;
    return Cell{number};
  }
  if (!IsFloatKind(kind)) return std::nullopt;
  // Only integers the float holds exactly: a rounded value would be a silent change.
  const double asDouble = static_cast<double>(number);
  if (asDouble >= kTwoTo63 || static_cast<std::int64_t>(asDouble) != number) return std::nullopt;
  if (!DoubleFits(asDouble, kind)) return std::nullopt;
  return Cell{asDouble};
}

bool IsValidTable(const Table& table, std::string* why) {
  const auto fail = [why](std::string message) {
    if (why != nullptr) *why = std::move(message);
    return false;
  };
  if (table.fields.empty()) return fail("the table has no fields");
  if (table.fields.size() > 65535) return fail("the table has more than 65535 fields");
  if (table.records.size() > std::numeric_limits<std::uint32_t>::max()) return fail("too many records");
  for (size_t i = 0; i < table.fields.size(); ++i) {
    const auto& field = table.fields[i];
    if (!IsValidFieldName(field.name)) return fail("field " + std::to_string(i + 1) + " has an invalid name");
    if (KindName(field.kind).empty()) return fail("field '" + field.name + "' has an unknown kind");
    for (size_t j = 0; j < i; ++j) {
      if (table.fields[j].name == field.name) return fail("field '" + field.name + "' is defined twice");
    }
  }
  for (size_t r = 0; r < table.records.size(); ++r) {
    const auto& record = table.records[r];
    if (record.size() != table.fields.size()) {
      return fail("record " + std::to_string(r + 1) + " does not have one value per field");
    }
    for (size_t i = 0; i < record.size(); ++i) {
      if (!CellFitsKind(record[i], table.fields[i].kind)) {
        return fail("record " + std::to_string(r + 1) + ": the value of '" + table.fields[i].name +
                    "' does not fit " + std::string(KindName(table.fields[i].kind)));
      }
    }
  }
  return true;
}

std::string FieldValue::AsText() const {
  if (const auto* text = std::get_if<std::string>(&cell)) return *text;
  if (const auto* number = std::get_if<std::int64_t>(&cell)) return std::to_string(*number);
  return FormatDouble(std::get<double>(cell), kind);
}

std::int32_t FieldValue::AsInt32() const {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  if (const auto* text = std::get_if<std::string>(&cell)) {
    const auto leading = LeadingInteger(*text);
    if (!leading) {
      // Too many digits for 64 bits: saturate by the sign.
      const auto first = text->find_first_not_of(" \t");
      return first != std::string::npos && (*text)[first] == '-' ? kMin : kMax;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(*leading, kMin, kMax));
  }
  if (const auto* number = std::get_if<std::int64_t>(&cell)) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(*number, kMin, kMax));
  }
  const double value = std::get<double>(cell);
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(kMin)) return kMin;
  if (value >= static_cast<double>(kMax)) return kMax;
  return static_cast<std::int32_t>(value);  // truncates toward zero
}

double FieldValue::AsDouble() const {
  if (const auto* number = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*number);
  if (const auto* value = std::get_if<double>(&cell)) return *value;
  const std::string& text = std::get<std::string>(cell);
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Only a number that starts with a digit or a point; never "inf" or "nan".
  if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) return 0;
  double value = 0;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small: a negative exponent means the value is nearly 0.
    const std::string_view digits(text.data() + i, static_cast<size_t>(result.ptr - (text.data() + i)));
    const auto e = digits.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (result.ec != std::errc()) {
    return 0;
  }
  return negative ? -value : value;
}

}  // namespace voz::recordstore
