// Placeholder until the code page 936 tables land: ASCII only.
#include "platform/text/Encoding.h"

namespace voz::text {

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out;
  for (unsigned char c : gbk) out.push_back(c < 0x80 ? c : u'?');
  return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  std::string out;
  for (char16_t c : utf16) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

}  // namespace voz::text
