// Pausing, resuming and stopping control by voice: while paused only the
// resume phrase is heard, and every other phrase, command or not, is
// dropped without trace.
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {
namespace {

using namespace core;

TEST_F(VoiceTest, PausedControlDropsPhrasesUntilResumed) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(StartControl());
  ASSERT_TRUE(StartNotepad());

  ASSERT_TRUE(SayCommand("暂停控制"));
  EXPECT_EQ(WaitStatus(kPaused), kPaused);
  const std::string echo = Echo();
  // The recognizer still listens while paused; the dispatch drops both.
  ASSERT_TRUE(Say("暂停时说的话"));
  ASSERT_TRUE(Say("切换到语音打字"));
  EXPECT_EQ(Echo(), echo);
  EXPECT_TRUE(Window().Checked(混合模式单选框));
  EXPECT_FALSE(Window().Checked(语音打字单选框));
  EXPECT_EQ(Window().ListSelection(CommandListBox), ShippedRecordOf("暂停控制") - 1);

  ASSERT_TRUE(SayCommand("继续控制"));
  EXPECT_EQ(WaitStatus(kRunning), kRunning);
  ASSERT_TRUE(Say("继续之后的话"));
  // Keys reach notepad in order: a paste of a dropped phrase would show first.
  EXPECT_EQ(notepad.WaitText("继续之后的话"), "继续之后的话");
  EXPECT_EQ(Echo(), "[暂停控制]\r\n[继续控制]\r\n继续之后的话\r\n");
}

TEST_F(VoiceTest, StopByVoiceEndsListening) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(StartControl());

  ASSERT_TRUE(SayCommand("停止控制"));
  EXPECT_EQ(WaitStatus(kStopped), kStopped);
  EXPECT_EQ(app.WaitLogEvent("unlisten").size(), 1u);
  const ToolRun after = app.Vozctl({"say", "显示命令列表"});
  EXPECT_EQ(after.exitCode, 1) << after.output;
  EXPECT_NE(after.output.find("not listening"), std::string::npos) << after.output;
  EXPECT_EQ(Echo(), "[停止控制]\r\n");
}

}  // namespace
}  // namespace voz::e2e
