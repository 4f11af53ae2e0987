#include "speech/Voices.h"

namespace voz::speech {

bool IsChineseLanguage(std::uint16_t langId) { return (langId & 0x3FF) == 0x04; }

std::vector<std::uint16_t> ParseLanguageAttribute(std::string_view value) {
  std::vector<std::uint16_t> ids;
  while (!value.empty()) {
    const size_t end = value.find(';');
    std::string_view piece = value.substr(0, end);
    value = end == std::string_view::npos ? std::string_view{} : value.substr(end + 1);
    while (!piece.empty() && piece.front() == ' ') piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    if (piece.empty() || piece.size() > 4) continue;
    unsigned id = 0;
    bool ok = true;
    for (char c : piece) {
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) { ok = false; break; }
      id = id * 16 + static_cast<unsigned>(digit);
    }
    if (ok && id != 0) ids.push_back(static_cast<std::uint16_t>(id));
  }
  return ids;
}

std::string LanguageAttributeValue(std::uint16_t langId) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const unsigned digit = (langId >> shift) & 0xF;
    if (digit != 0 || !out.empty() || shift == 0) out.push_back(kHex[digit]);
  }
  return out;
}

std::uint16_t LangIdOfRecognitionLanguage(int language) {
  switch (language) {
    case kChinese: return kChineseLangId;
    case kEnglish: return kEnglishLangId;
    default: return 0;
  }
}

int LastChineseVoice(const std::vector<VoiceInfo>& voices) {
  for (size_t i = voices.size(); i-- > 0;) {
    for (std::uint16_t id : voices[i].languages) {
      if (IsChineseLanguage(id)) return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace voz::speech
