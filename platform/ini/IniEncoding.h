// The two encodings INI files come in, as Windows tells them apart: a file
// that starts with the UTF-16LE byte-order mark FF FE is UTF-16LE (and keeps
// the mark), every other file is GBK (code page 936). A UTF-8 byte-order mark
// is not recognised: its bytes are read as GBK text, as Windows does.
#pragma once

#include <string>
#include <string_view>

namespace voz::ini {

enum class IniEncoding { kGbk, kUtf16Le };

inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

IniEncoding DetectEncoding(std::string_view fileBytes);

// UTF-8 text to the file's encoding. A character GBK lacks becomes '?',
// which is what Windows writes.
std::string EncodeText(std::string_view utf8, IniEncoding encoding);
// The file's bytes to UTF-8.
std::string DecodeText(std::string_view bytes, IniEncoding encoding);
// True when the text survives the trip into the encoding and back.
bool CanEncodeExactly(std::string_view utf8, IniEncoding encoding);

// UTF-16LE bytes <-> code units (an odd last byte is dropped).
std::u16string BytesToUnits(std::string_view bytes);
std::string UnitsToBytes(std::u16string_view units);

}  // namespace voz::ini
