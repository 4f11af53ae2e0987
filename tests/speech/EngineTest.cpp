#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "speech/SpeechEngine.h"
#include "speech/TextRecognizer.h"

namespace voz::speech {
namespace {

TEST(Engine, TextEngineFromSwitchesSharesOneLog) {
  testing::ScratchDir dir;
  const std::string log = dir.File("speech log.txt");
  const std::string wav = dir.File("朗读.wav");
  const auto parsed = ParseSpeechSwitches(
      {"--speech=text", "--speech-engines=en", "--speech-voices=VW Lily:804", "--speech-log=" + log});
  ASSERT_TRUE(parsed.errors.empty());
  auto engine = CreateSpeechEngine(parsed.options);
  auto recognizer = engine->CreateRecognizer();
  auto voice = engine->CreateSynthesizer();
  engine.reset();  // the objects outlive the engine

  std::vector<std::string> heard;
  recognizer->SetRecognisedHandler([&](const std::string& text) { heard.push_back(text); });
  EXPECT_FALSE(recognizer->Start(kChinese, 0));
  ASSERT_TRUE(recognizer->Start(kEnglish, 0));
  auto* text = dynamic_cast<TextRecognizer*>(recognizer.get());
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->Deliver("hello"));
  EXPECT_EQ(heard, std::vector<std::string>{"hello"});

  EXPECT_EQ(voice->VoiceNames(), std::vector<std::string>{"VW Lily"});
  EXPECT_TRUE(voice->Speak(0, "你好"));
  ASSERT_TRUE(voice->SpeakToFile(0, "你好", wav));
  EXPECT_TRUE(testing::ScratchDir::Read(wav).starts_with("RIFF"));
  EXPECT_EQ(testing::ScratchDir::Read(log),
            "listen\ten\nheard\thello\nspeak\tVW Lily\t0\t100\t你好\nfile\tVW Lily\t0\t100\t你好\t" +
                EscapeLogField(wav) + "\n");
}

TEST(Engine, UnwritableLogLeavesTheEngineWorking) {
  testing::ScratchDir dir;
  SpeechOptions options;
  options.engine = EngineKind::kText;
  options.logPath = dir.File("no such folder/log.txt");
  auto engine = CreateSpeechEngine(options);
  EXPECT_TRUE(engine->CreateSynthesizer()->Speak(0, "x"));
  EXPECT_TRUE(engine->CreateRecognizer()->Start(kChinese, 0));
}

#ifndef _WIN32
TEST(Engine, SapiElsewhereHasNothingInstalled) {
  auto engine = CreateSpeechEngine(SpeechOptions{});
  EXPECT_FALSE(engine->CreateRecognizer()->Start(kChinese, 0));
  auto voice = engine->CreateSynthesizer();
  EXPECT_TRUE(voice->Voices().empty());
  EXPECT_FALSE(voice->Speak(0, "x"));
}
#endif

}  // namespace
}  // namespace voz::speech
