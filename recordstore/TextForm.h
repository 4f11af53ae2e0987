// The readable text form of a store file, used by `vozctl edb dump/load` and
// by the build, which generates the shipped library from such a text:
//
//   # comment
//   field 命令类型 int16
//   field 语音命令 text
//
//   record
//   命令类型 = 5
//   语音命令 = 显示命令列表
//
// All `field` lines come first; a field a record does not list is 0 or empty
// text. A value is everything after the first " = ", with the escapes \\, \n,
// \r, \t and \s (a space, needed only at either end); "NAME =" is the empty
// value. Lines may end in CR LF, and a UTF-8 byte order mark is skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "recordstore/RecordStore.h"

namespace voz::recordstore {

struct TextFormError {
  int line = 0;  // 1-based; 0 for the text as a whole
  std::string message;
};

// Every field of every record, in order, with a header comment naming the
// record count; formatting a parsed text formats it again byte for byte.
// Expects a valid table (IsValidTable).
std::string FormatTextForm(const Table& table);

// The table of a text form, or nothing with the first error (and its line).
std::optional<Table> ParseTextForm(std::string_view text, TextFormError* error = nullptr);

// The value escapes on their own.
std::string EscapeTextValue(std::string_view value);
std::optional<std::string> UnescapeTextValue(std::string_view escaped);

}  // namespace voz::recordstore
