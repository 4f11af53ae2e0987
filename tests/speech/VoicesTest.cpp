#include <gtest/gtest.h>

#include "speech/Voices.h"

namespace voz::speech {
namespace {

TEST(Voices, LanguageAttribute) {
  using Ids = std::vector<std::uint16_t>;
  EXPECT_EQ(ParseLanguageAttribute("804"), (Ids{0x804}));
  EXPECT_EQ(ParseLanguageAttribute("804;409"), (Ids{0x804, 0x409}));
  EXPECT_EQ(ParseLanguageAttribute(" c04 ; 0409;"), (Ids{0xC04, 0x409}));
  EXPECT_EQ(ParseLanguageAttribute("zh;10000;0;;409"), (Ids{0x409}));
  EXPECT_EQ(ParseLanguageAttribute(""), Ids{});
  EXPECT_EQ(LanguageAttributeValue(0x804), "804");
  EXPECT_EQ(LanguageAttributeValue(0xC04), "C04");
  EXPECT_EQ(LanguageAttributeValue(0x9), "9");
  EXPECT_EQ(LangIdOfRecognitionLanguage(kChinese), 0x804);
  EXPECT_EQ(LangIdOfRecognitionLanguage(kEnglish), 0x409);
  EXPECT_EQ(LangIdOfRecognitionLanguage(2), 0);
}

TEST(Voices, LastChineseVoiceIsTheLastWithAnyChineseLanguage) {
  EXPECT_TRUE(IsChineseLanguage(0x804));
  EXPECT_TRUE(IsChineseLanguage(0x404));
  EXPECT_TRUE(IsChineseLanguage(0xC04));
  EXPECT_FALSE(IsChineseLanguage(0x409));
  EXPECT_FALSE(IsChineseLanguage(0x411));
  const std::vector<VoiceInfo> voices = {
      {"Lily", {0x804}}, {"Sam", {0x409}}, {"Taiwan", {0x409, 0x404}}, {"Nameless", {}}};
  EXPECT_EQ(LastChineseVoice(voices), 2);
  EXPECT_EQ(LastChineseVoice({{"Sam", {0x409}}}), -1);
  EXPECT_EQ(LastChineseVoice({}), -1);
}

}  // namespace
}  // namespace voz::speech
