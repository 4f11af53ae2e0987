// Setting one value of an INI document, producing the file's new bytes.
// Every line the change does not touch keeps its bytes (comments, spacing,
// odd bytes, LF-only endings). The changed or added line is written as
// `name=value` + CR LF in the file's encoding:
// - an existing key (the one a reader gets) is rewritten in place with the
//   file's spelling of its name;
// - a new key goes after the last entry of the first section of that name;
// - a new section goes at the end of the file, a new file is
//   "[section]\r\nkey=value\r\n" in GBK.
// The value is written as given, blanks included. In a GBK file a character
// GBK lacks is written as '?', as Windows does.
#pragma once

#include <string>
#include <string_view>

#include "platform/ini/IniDocument.h"

namespace voz::ini {

enum class IniEditOutcome {
  kChanged,    // `bytes` holds the new file
  kUnchanged,  // a reader already gets this value: leave the file alone
  kRefused,    // the item cannot be stored so that it reads back (see below)
};

struct IniEdit {
  IniEditOutcome outcome = IniEditOutcome::kRefused;
  std::string bytes;
};

// Spaces around the names are ignored, as in lookups. Refused, because the
// file would not read back the same:
// - a CR, LF or NUL anywhere (it would split the line);
// - a ']' in the section name, a '=' in the key name, a key name starting
//   with ';' (a comment) or '[' (a header);
// - a name with a tab or vertical tab at its edge (readers trim it away);
// - a name with a character the file's encoding lacks (the '?' written in
//   its place would name another item).
IniEdit SetIniValue(const IniDocument& doc, std::string_view section, std::string_view key,
                    std::string_view value);

}  // namespace voz::ini
