// Text conversions between the three encodings the programs meet:
// UTF-8 inside the program, UTF-16 at Win32 calls, and GBK (Windows code
// page 936) in the files users carry over from earlier versions.
//
// Portable: the GBK tables are our own, so both builds convert alike and
// agree with Windows' own code page 936 conversion.
#pragma once

#include <string>
#include <string_view>

namespace voz::text {

// UTF-8 <-> UTF-16. Ill-formed input (bad UTF-8 bytes, lone surrogates)
// becomes U+FFFD, so a conversion never fails and never loses the rest.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// GBK (code page 936) <-> UTF-16, the same result as Windows'
// MultiByteToWideChar(936, 0, ...) and WideCharToMultiByte(936, 0, ...)
// with the default replacement character '?'. Decoding: a lead byte
// (0x81..0xFE) at the end or before NUL gives '?'; with any other byte that
// is no trail byte (below 0x40, 0x7F, 0xFF) it gives one '?' for both bytes,
// so "\x81=" loses the '='. Encoding: characters outside the code page become
// a best-fit character ('a' for U+00AA) or '?', each surrogate half one '?'.
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);

// Convenience compositions.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace voz::text
