// One line of an INI file, read as Windows reads it:
// - the first non-blank character '[' starts a section header; the name runs
//   to the first ']' (or to the end of the line when there is none), blanks
//   trimmed, and whatever follows the ']' is ignored;
// - the first non-blank character ';' makes a comment;
// - otherwise the first '=' splits a key from its value, both trimmed, and a
//   value of two or more characters enclosed in the same quote (' or ")
//   loses that one pair; a line without '=' holds no key.
// In GBK a lead byte (81-FE) and the byte after it are one character, even
// when that byte is '[', ']', '=', a letter or a blank, so no trail byte is
// ever taken for structure. A lead byte followed by a byte that cannot be a
// trail byte still takes it along, as the code page 936 decoder does
// ("\x81=" is one unknown character, not a key split).
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/ini/IniEncoding.h"

namespace voz::ini {

enum class IniLineKind { kOther, kComment, kSection, kEntry };

struct ByteRange {
  size_t begin = 0;
  size_t end = 0;
};

// Where the parts of a line are, as byte offsets into its content.
struct IniLineShape {
  IniLineKind kind = IniLineKind::kOther;
  ByteRange name;   // the section name or the key name
  ByteRange value;  // an entry's value as a reader gets it
};

// `content` is the line in the file's encoding, without its line ending.
IniLineShape ShapeIniLine(std::string_view content, IniEncoding encoding);

}  // namespace voz::ini
