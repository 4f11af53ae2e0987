// Voice typing into the chat program once its windows are detected:
// ChatProbe.exe stands in for the QQ chat window. Typed phrases replace the
// input box's selection; the send phrase presses its button, without echo.
#include <thread>

#include "tests/e2e/driver/ChatProbeRun.h"
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {
namespace {

using namespace core;

class ChatTypingTest : public VoiceTest {
 protected:
  void TearDown() override {
    probe.Kill();
    VoiceTest::TearDown();
  }

  // The pointer rests on the input box and the send button in turn until
  // the 100 ms detection timer has seen both and the program says so.
  std::optional<MessageBoxView> PointUntilDetected() {
    std::optional<MessageBoxView> done;
    WaitUntil([&] {
      for (Hwnd window : {probe.InputBox(), probe.SendButton()}) {
        const Rect r = ScreenRect(window);
        MovePointer(r.CentreX(), r.CentreY());
        std::this_thread::sleep_for(milliseconds(150));
      }
      return (done = FindMessageBox(app.Id(), "温馨提示:")).has_value();
    });
    return done;
  }

  std::vector<LogLine> WaitReport(const LogLine& last) {
    std::vector<LogLine> report;
    WaitUntil([&] { return !(report = probe.Report()).empty() && report.back() == last; });
    return report;
  }

  ChatProbeRun probe;
};

TEST_F(ChatTypingTest, VoiceTypingFillsTheChatInputAndTheSendPhrasePressesSend) {
  MovePointer(1200, 700);
  ASSERT_TRUE(Start());
  std::string error;
  ASSERT_TRUE(probe.Start(folder.File(L"chat-probe.txt"), 600, 100, &error)) << error;

  ASSERT_TRUE(Window().Click(ＱＱ聊天选择框));
  const auto hint = WaitMessageBox(app.Id(), "操作提示:");
  ASSERT_TRUE(hint.has_value()) << "no hint after the click on the QQ chat box";
  ASSERT_TRUE(AnswerMessageBox(hint->handle));
  const auto done = PointUntilDetected();
  ASSERT_TRUE(done.has_value()) << "the chat windows were not detected";
  ASSERT_TRUE(AnswerMessageBox(done->handle));
  ASSERT_EQ(WaitStatus(kRunning), kRunning);

  ASSERT_TRUE(SayCommand("切换到语音打字"));
  EXPECT_TRUE(Window().Checked(语音打字单选框));
  ASSERT_TRUE(Say("你好，今晚一起吃饭吗"));
  EXPECT_EQ(WaitReport({"text", "你好，今晚一起吃饭吗"}).back(), (LogLine{"text", "你好，今晚一起吃饭吗"}));
  const std::string echo = Echo();
  EXPECT_EQ(echo, "[切换到语音打字]\r\n你好，今晚一起吃饭吗\r\n");

  ASSERT_TRUE(Say("发送消息"));
  EXPECT_EQ(WaitReport({"click", "你好，今晚一起吃饭吗"}).back(), (LogLine{"click", "你好，今晚一起吃饭吗"}));
  EXPECT_EQ(Echo(), echo) << "the send phrase is not echoed";
  EXPECT_FALSE(FindMessageBox(app.Id()));
}

}  // namespace
}  // namespace voz::e2e
