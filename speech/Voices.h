// Voices and language ids (Windows LANGIDs such as 0x804 for Simplified
// Chinese and 0x409 for US English).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace voz::speech {

// Recognition languages as the programs number them.
inline constexpr int kChinese = 0;
inline constexpr int kEnglish = 1;

inline constexpr std::uint16_t kChineseLangId = 0x804;
inline constexpr std::uint16_t kEnglishLangId = 0x409;

struct VoiceInfo {
  std::string name;
  // From the voice's "Language" attribute; empty when it has none.
  std::vector<std::uint16_t> languages;
  bool operator==(const VoiceInfo&) const = default;
};

// Any Chinese variant (mainland, Taiwan, Hong Kong, ...).
bool IsChineseLanguage(std::uint16_t langId);

// A "Language" attribute value: hex ids separated by ';' ("804;409").
// Pieces that are not hex ids are skipped.
std::vector<std::uint16_t> ParseLanguageAttribute(std::string_view value);

// Hex without leading zeros, upper case, as attributes spell it ("804").
std::string LanguageAttributeValue(std::uint16_t langId);

// The id of a recognition language (kChinese, kEnglish); 0 for others.
std::uint16_t LangIdOfRecognitionLanguage(int language);

// Index of the last voice with a Chinese language, or -1.
int LastChineseVoice(const std::vector<VoiceInfo>& voices);

}  // namespace voz::speech
