#include <gtest/gtest.h>

#include "speech/SpeechSwitches.h"

namespace voz::speech {
namespace {

TEST(SpeechSwitches, DefaultsWithoutSwitches) {
  const auto parsed = ParseSpeechSwitches({"vozmara.exe", "--other", "file.txt"});
  EXPECT_TRUE(parsed.errors.empty());
  EXPECT_EQ(parsed.options.engine, EngineKind::kSapi);
  EXPECT_EQ(parsed.options.recognitionLanguages, (std::vector<int>{kChinese, kEnglish}));
  EXPECT_EQ(parsed.options.voices, DefaultTextVoices());
  ASSERT_EQ(parsed.options.voices.size(), 2u);
  EXPECT_EQ(LastChineseVoice(parsed.options.voices), 1);
  EXPECT_EQ(parsed.options.logPath, "");
}

TEST(SpeechSwitches, Table) {
  struct Case {
    std::vector<std::string> args;
    EngineKind engine;
    std::vector<int> languages;
    std::vector<VoiceInfo> voices;
    std::string log;
    size_t errors;
  };
  const auto defaults = DefaultTextVoices();
  const std::vector<int> both{kChinese, kEnglish};
  const Case cases[] = {
      {{"--speech=text"}, EngineKind::kText, both, defaults, "", 0},
      {{"--speech=text", "--speech=sapi"}, EngineKind::kSapi, both, defaults, "", 0},
      {{"--speech=TEXT"}, EngineKind::kSapi, both, defaults, "", 1},
      {{"--speech"}, EngineKind::kSapi, both, defaults, "", 1},
      {{"--speech-engines=en"}, EngineKind::kSapi, {kEnglish}, defaults, "", 0},
      {{"--speech-engines=en,zh,en"}, EngineKind::kSapi, {kEnglish, kChinese}, defaults, "", 0},
      {{"--speech-engines="}, EngineKind::kSapi, {}, defaults, "", 0},
      {{"--speech-engines=zh,fr"}, EngineKind::kSapi, {kChinese}, defaults, "", 1},
      {{"--speech-engines=,en,"}, EngineKind::kSapi, {kEnglish}, defaults, "", 0},
      {{"--speech-voices=VW Lily:804;Anna:409"}, EngineKind::kSapi, both,
       {{"VW Lily", {0x804}}, {"Anna", {0x409}}}, "", 0},
      {{"--speech-voices=中文女声:0804;"}, EngineKind::kSapi, both, {{"中文女声", {0x804}}}, "", 0},
      {{"--speech-voices=A:b:409"}, EngineKind::kSapi, both, {{"A:b", {0x409}}}, "", 0},
      {{"--speech-voices="}, EngineKind::kSapi, both, {}, "", 0},
      {{"--speech-voices=NoLang;:409;X:zz;Y:12345;Ok:409"}, EngineKind::kSapi, both, {{"Ok", {0x409}}}, "", 4},
      {{"--speech-log=C:\\tmp\\日志 1.txt"}, EngineKind::kSapi, both, defaults, "C:\\tmp\\日志 1.txt", 0},
      {{"--speech-log=a=b"}, EngineKind::kSapi, both, defaults, "a=b", 0},
      {{"--speech-volume=5"}, EngineKind::kSapi, both, defaults, "", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front());
    const auto parsed = ParseSpeechSwitches(c.args);
    EXPECT_EQ(parsed.options.engine, c.engine);
    EXPECT_EQ(parsed.options.recognitionLanguages, c.languages);
    EXPECT_EQ(parsed.options.voices, c.voices);
    EXPECT_EQ(parsed.options.logPath, c.log);
    EXPECT_EQ(parsed.errors.size(), c.errors);
  }
}

}  // namespace
}  // namespace voz::speech
