#include "recordstore/TextForm.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "platform/text/Encoding.h"

namespace voz::recordstore {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitBlanks(std::string_view s) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    const size_t start = i;
    while (i < s.size() && !IsBlank(s[i])) ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

std::string Quote(std::string_view s) {
  // Appended piece by piece: "'" + std::string trips a false -Wrestrict in GCC 12.
  std::string quoted;
  quoted.reserve(s.size() + 2);
  quoted += '\'';
  quoted += s;
  quoted += '\'';
  return quoted;
}

std::string KindList() {
  std::string list;
  for (int k = static_cast<int>(FieldKind::Text); k <= static_cast<int>(FieldKind::Float64); ++k) {
    if (!list.empty()) list += ", ";
    list += KindName(static_cast<FieldKind>(k));
  }
  return list;
}

// The cell a value text gives in a field of `kind`, or the reason it does not fit.
std::optional<Cell> ParseValue(std::string_view value, FieldKind kind, std::string& why) {
  const std::string kindName(KindName(kind));
  if (kind == FieldKind::Text) return Cell{std::string(value)};
  const char* first = value.data();
  const char* last = value.data() + value.size();
  if (IsIntegerKind(kind)) {
    std::int64_t number = 0;
    const auto result = std::from_chars(first, last, number);
    if (value.empty() || result.ptr != last || result.ec == std::errc::invalid_argument) {
      why = Quote(value) + " is not a decimal integer";
      return std::nullopt;
    }
    const Cell cell{number};
    if (result.ec == std::errc::result_out_of_range || !CellFitsKind(cell, kind)) {
      why = std::string(value) + " does not fit " + kindName;
      return std::nullopt;
    }
    return cell;
  }
  double number = 0;
  std::from_chars_result result{};
  if (kind == FieldKind::Float32) {
    float narrow = 0;
    result = std::from_chars(first, last, narrow);
    number = static_cast<double>(narrow);
  } else {
    result = std::from_chars(first, last, number);
  }
  if (value.empty() || result.ptr != last || result.ec == std::errc::invalid_argument || std::isnan(number)) {
    why = Quote(value) + " is not a number";
    return std::nullopt;
  }
  if (result.ec == std::errc::result_out_of_range) {
    why = std::string(value) + " does not fit " + kindName;
    return std::nullopt;
  }
  return Cell{number};
}

// Parses line by line; the first error stops it.
class Parser {
 public:
  std::optional<Table> Run(std::string_view text, TextFormError* error) {
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    int number = 0;
    while (!text.empty()) {
      const size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
      ++number;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (!Line(line)) return Fail(error, number);
    }
    if (table_.fields.empty()) {
      why_ = "no field lines";
      return Fail(error, 0);
    }
    return std::move(table_);
  }

 private:
  std::optional<Table> Fail(TextFormError* error, int line) {
    if (error != nullptr) *error = TextFormError{line, why_};
    return std::nullopt;
  }

  bool Line(std::string_view line) {
    if (!text::IsValidUtf8(line)) return Error("the line is not UTF-8");
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') return true;
    if (trimmed == "record") return Record();
    const size_t equals = line.find(" = ");
    if (equals != std::string_view::npos) return Value(Trim(line.substr(0, equals)), line.substr(equals + 3));
    const auto words = SplitBlanks(trimmed);
    // "NAME =": a value line with the empty value (a field may be called "field").
    if (words.size() == 2 && words[1] == "=") return Value(words[0], {});
    if (words.front() == "field") return Field(words);
    return Error("expected 'field NAME KIND', 'record' or 'NAME = VALUE'");
  }

  bool Field(const std::vector<std::string_view>& words) {
    if (!table_.records.empty()) return Error("a field line after the first record");
    if (words.size() != 3) return Error("a field line is 'field NAME KIND'");
    const auto kind = KindFromName(words[2]);
    if (!kind) return Error("unknown kind " + Quote(words[2]) + " (expected " + KindList() + ")");
    if (!IsValidFieldName(words[1])) return Error("invalid field name " + Quote(words[1]));
    for (const auto& field : table_.fields) {
      if (field.name == words[1]) return Error("field " + Quote(words[1]) + " is defined twice");
    }
    table_.fields.push_back(FieldDef{std::string(words[1]), *kind});
    return true;
  }

  bool Record() {
    if (table_.fields.empty()) return Error("a record before any field line");
    std::vector<Cell> record;
    for (const auto& field : table_.fields) {
      if (field.kind == FieldKind::Text) {
        record.emplace_back(std::string());
      } else if (IsFloatKind(field.kind)) {
        record.emplace_back(0.0);
      } else {
        record.emplace_back(std::int64_t{0});
      }
    }
    table_.records.push_back(std::move(record));
    given_.assign(table_.fields.size(), false);
    return true;
  }

  bool Value(std::string_view name, std::string_view escaped) {
    if (table_.records.empty()) return Error("a value line before the first record");
    size_t index = 0;
    while (index < table_.fields.size() && table_.fields[index].name != name) ++index;
    if (index == table_.fields.size()) return Error(Quote(name) + " is not a field");
    if (given_[index]) return Error(Quote(name) + " is given twice in this record");
    given_[index] = true;
    const auto value = UnescapeTextValue(escaped);
    if (!value) return Error("a bad escape in the value of " + Quote(name) + " (use \\\\, \\n, \\r, \\t or \\s)");
    auto cell = ParseValue(*value, table_.fields[index].kind, why_);
    if (!cell) return Error(Quote(name) + ": " + why_);
    table_.records.back()[index] = std::move(*cell);
    return true;
  }

  bool Error(std::string message) {
    why_ = std::move(message);
    return false;
  }

  Table table_;
  std::vector<bool> given_;
  std::string why_;
};

}  // namespace

std::string EscapeTextValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case ' ':
        // Only at either end, so that no line of a dump starts its value or ends in a blank.
        out += (i == 0 || i + 1 == value.size()) ? "\\s" : " ";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::optional<std::string> UnescapeTextValue(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      out += escaped[i];
      continue;
    }
    if (++i == escaped.size()) return std::nullopt;
    switch (escaped[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 's':
        out += ' ';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

std::string FormatTextForm(const Table& table) {
  std::string out = "# record store dump: " + std::to_string(table.records.size()) +
                    (table.records.size() == 1 ? " record\n" : " records\n");
  for (const auto& field : table.fields) {
    out += "field " + field.name + " " + std::string(KindName(field.kind)) + "\n";
  }
  for (const auto& record : table.records) {
    out += "\nrecord\n";
    for (size_t i = 0; i < table.fields.size() && i < record.size(); ++i) {
      const std::string value = EscapeTextValue(FieldValue{table.fields[i].kind, record[i]}.AsText());
      out += table.fields[i].name;
      out += value.empty() ? " =\n" : " = " + value + "\n";
    }
  }
  return out;
}

std::optional<Table> ParseTextForm(std::string_view text, TextFormError* error) {
  return Parser().Run(text, error);
}

}  // namespace voz::recordstore
