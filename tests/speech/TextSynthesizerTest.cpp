#include <gtest/gtest.h>

#include "MemoryLog.h"
#include "platform/files/MemoryFileSystem.h"
#include "speech/TextSynthesizer.h"
#include "speech/WaveFile.h"

namespace voz::speech {
namespace {

using testing::Lines;

class TextSynthesizerTest : public ::testing::Test {
 protected:
  testing::MemoryLog memory;
  files::MemoryFileSystem fs;
  TextSynthesizer voice{{{"Sam", {0x409}}, {"Lily", {0x804}}}, memory.log, fs};
};

TEST_F(TextSynthesizerTest, SpeakLogsVoiceRateVolumeAndText) {
  EXPECT_EQ(voice.VoiceNames(), (std::vector<std::string>{"Sam", "Lily"}));
  EXPECT_TRUE(voice.Speak(0, "hello"));
  EXPECT_TRUE(voice.SelectVoice("Lily"));
  EXPECT_FALSE(voice.SelectVoice("lily"));  // names match exactly
  EXPECT_TRUE(voice.SetRate(-3));
  EXPECT_TRUE(voice.SetVolume(40));
  EXPECT_TRUE(voice.Speak(0, "欢迎\t使用\r\n"));
  EXPECT_TRUE(voice.Speak(0, ""));
  EXPECT_EQ(memory.Take(), (Lines{{"speak", "Sam", "0", "100", "hello"},
                                  {"speak", "Lily", "-3", "40", "欢迎\t使用\r\n"},
                                  {"speak", "Lily", "-3", "40", ""}}));
}

TEST_F(TextSynthesizerTest, RateAndVolumeOutsideTheirRangeAreIgnored) {
  const struct {
    int value;
    bool rateOk;
    bool volumeOk;
  } cases[] = {{-11, false, false}, {-10, true, false}, {-1, true, false}, {0, true, true},
               {10, true, true},    {11, false, true},  {100, false, true}, {101, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ASSERT_TRUE(voice.SetRate(5));
    ASSERT_TRUE(voice.SetVolume(50));
    EXPECT_EQ(voice.SetRate(c.value), c.rateOk);
    EXPECT_EQ(voice.SetVolume(c.value), c.volumeOk);
    EXPECT_EQ(voice.Rate(), c.rateOk ? c.value : 5);
    EXPECT_EQ(voice.Volume(), c.volumeOk ? c.value : 50);
  }
}

TEST_F(TextSynthesizerTest, PauseIsNotCountedAndHoldsSpeechUntilResume) {
  EXPECT_TRUE(voice.Pause());
  EXPECT_TRUE(voice.Pause());  // already paused: no second level
  EXPECT_TRUE(voice.IsPaused());
  voice.Speak(0, "one");
  voice.SetRate(2);  // applies to later texts only
  voice.Speak(0, "two");
  EXPECT_EQ(voice.QueuedCount(), 2u);
  EXPECT_EQ(memory.Take(), (Lines{{"pause"}}));
  EXPECT_TRUE(voice.Resume());  // one Resume is enough
  EXPECT_FALSE(voice.IsPaused());
  EXPECT_EQ(voice.QueuedCount(), 0u);
  EXPECT_TRUE(voice.Resume());  // not paused: nothing happens
  EXPECT_EQ(memory.Take(),
            (Lines{{"resume"}, {"speak", "Sam", "0", "100", "one"}, {"speak", "Sam", "2", "100", "two"}}));
}

TEST_F(TextSynthesizerTest, StopDropsQueuedSpeechAndKeepsThePause) {
  voice.Pause();
  voice.Speak(0, "one");
  voice.Speak(0, "two");
  EXPECT_TRUE(voice.Stop());
  EXPECT_TRUE(voice.IsPaused());
  EXPECT_EQ(voice.QueuedCount(), 0u);
  voice.Speak(0, "three");  // still held
  voice.Resume();
  voice.Stop();
  EXPECT_EQ(memory.Take(), (Lines{{"pause"},
                                  {"stop", "2"},
                                  {"resume"},
                                  {"speak", "Sam", "0", "100", "three"},
                                  {"stop", "0"}}));
}

TEST_F(TextSynthesizerTest, ResetRestoresDefaultsAndDropsSpeech) {
  voice.SelectVoice("Lily");
  voice.SetRate(7);
  voice.SetVolume(1);
  voice.Pause();
  voice.Speak(0, "dropped");
  EXPECT_TRUE(voice.Reset());
  EXPECT_FALSE(voice.IsPaused());
  EXPECT_EQ(voice.QueuedCount(), 0u);
  EXPECT_EQ(voice.CurrentVoice(), "Sam");
  EXPECT_EQ(voice.Rate(), 0);
  EXPECT_EQ(voice.Volume(), 100);
  voice.Speak(0, "after");
  EXPECT_EQ(memory.Take(), (Lines{{"pause"}, {"reset"}, {"speak", "Sam", "0", "100", "after"}}));
}

TEST_F(TextSynthesizerTest, SpeakToFileWritesAToneWaveWhilePaused) {
  voice.Pause();
  voice.Speak(0, "held");
  memory.Take();
  ASSERT_TRUE(voice.SpeakToFile(0, "你好", "/out/a\tb.wav"));
  ASSERT_EQ(fs.files.count("/out/a\tb.wav"), 1u);
  const auto info = ReadPcmWave(fs.files["/out/a\tb.wav"]);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataBytes, 2u * 960u * 2u);
  EXPECT_EQ(fs.files.size(), 1u);
  EXPECT_EQ(memory.Take(), (Lines{{"file", "Sam", "0", "100", "你好", "/out/a\tb.wav"}}));
  EXPECT_EQ(voice.QueuedCount(), 1u);  // the speakers' queue is untouched
  EXPECT_TRUE(voice.IsPaused());
}

TEST_F(TextSynthesizerTest, SpeakToFileFailureKeepsTheOldFile) {
  fs.files["/out/old.wav"] = "old";
  fs.readOnly.insert("/out/old.wav");
  EXPECT_FALSE(voice.SpeakToFile(0, "x", "/out/old.wav"));
  fs.missingFolders.insert("/gone/");
  EXPECT_FALSE(voice.SpeakToFile(0, "x", "/gone/new.wav"));
  EXPECT_FALSE(voice.SpeakToFile(0, "x", ""));
  EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{"/out/old.wav", "old"}}));
  EXPECT_TRUE(memory.Take().empty());
}

TEST(TextSynthesizerNoVoices, NothingCanBeSpoken) {
  files::MemoryFileSystem fs;
  TextSynthesizer voice({}, nullptr, fs);
  EXPECT_FALSE(voice.Reset());
  EXPECT_TRUE(voice.Voices().empty());
  EXPECT_FALSE(voice.SelectVoice("Sam"));
  EXPECT_FALSE(voice.Speak(0, "x"));
  EXPECT_FALSE(voice.SpeakToFile(0, "x", "/a.wav"));
  EXPECT_FALSE(voice.Pause());
  EXPECT_TRUE(voice.Resume());
  EXPECT_TRUE(voice.Stop());
  EXPECT_TRUE(fs.files.empty());
}

}  // namespace
}  // namespace voz::speech
