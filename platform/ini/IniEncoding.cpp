#include "platform/ini/IniEncoding.h"

#include "platform/text/Encoding.h"

namespace voz::ini {

IniEncoding DetectEncoding(std::string_view fileBytes) {
  return fileBytes.substr(0, 2) == kUtf16LeMark ? IniEncoding::kUtf16Le : IniEncoding::kGbk;
}

std::u16string BytesToUnits(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return units;
}

std::string UnitsToBytes(std::u16string_view units) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string EncodeText(std::string_view utf8, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf16Le) return UnitsToBytes(text::Utf8ToUtf16(utf8));
  return text::Utf8ToGbk(utf8);
}

std::string DecodeText(std::string_view bytes, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf16Le) return text::Utf16ToUtf8(BytesToUnits(bytes));
  return text::GbkToUtf8(bytes);
}

bool CanEncodeExactly(std::string_view utf8, IniEncoding encoding) {
  return DecodeText(EncodeText(utf8, encoding), encoding) == utf8;
}

}  // namespace voz::ini
