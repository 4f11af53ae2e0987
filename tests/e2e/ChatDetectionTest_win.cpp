// Chat detection: after a click on the QQ chat box the program watches the
// window under the mouse pointer until it has seen the chat input box and
// the send button, then starts control and tells the user. ChatProbe.exe
// stands in for the chat program.
#include "tests/e2e/VozmaraFixture.h"
#include "tests/e2e/driver/ChatProbeRun.h"
#include "tests/e2e/driver/Paths.h"

namespace voz::e2e {
namespace {

using namespace core;

struct PointingCase {
  const char* name;
  bool sendButtonFirst;
  // gtest names the case instead of dumping its bytes.
  friend void PrintTo(const PointingCase& c, std::ostream* os) { *os << c.name; }
};

class ChatDetectionTest : public VozmaraTest, public ::testing::WithParamInterface<PointingCase> {
 protected:
  void TearDown() override {
    probe.Kill();
    VozmaraTest::TearDown();
  }

  // Rests the pointer on a window long enough for the 100 ms timer to look.
  static void PointAt(Hwnd window) {
    const Rect r = ScreenRect(window);
    MovePointer(r.CentreX(), r.CentreY());
    std::this_thread::sleep_for(milliseconds(350));
  }

  ChatProbeRun probe;
};

TEST_P(ChatDetectionTest, PointingAtInputAndSendStartsControl) {
  // Away from both windows, so nothing is found before the test points.
  MovePointer(1000, 700);
  ASSERT_TRUE(Start());
  std::string error;
  ASSERT_TRUE(probe.Start(folder.File(L"chat-probe.txt"), 600, 100, &error)) << error;

  ASSERT_TRUE(Window().Click(ＱＱ聊天选择框));
  const auto hint = WaitMessageBox(app.Id(), "操作提示:");
  ASSERT_TRUE(hint.has_value()) << "no hint after the click on the QQ chat box";
  EXPECT_EQ(hint->text, "请将鼠标指向QQ 文字输入框 和 发送按钮");
  EXPECT_STREQ(BoxIconName(MessageBoxIcon(hint->handle)), "information");
  ASSERT_TRUE(AnswerMessageBox(hint->handle));
  EXPECT_TRUE(Window().Checked(ＱＱ聊天选择框));

  const Hwnd first = GetParam().sendButtonFirst ? probe.SendButton() : probe.InputBox();
  const Hwnd second = GetParam().sendButtonFirst ? probe.InputBox() : probe.SendButton();
  PointAt(first);
  EXPECT_FALSE(FindMessageBox(app.Id())) << "one of the two windows was enough";
  EXPECT_EQ(Status(), "状态:没有控制");
  PointAt(second);

  auto done = WaitMessageBox(app.Id(), "温馨提示:", milliseconds(1500));
  // A busy machine may let a rest pass without a tick: point again.
  for (int retry = 0; retry < 3 && !done; ++retry) {
    PointAt(first);
    PointAt(second);
    done = WaitMessageBox(app.Id(), "温馨提示:", milliseconds(1500));
  }
  ASSERT_TRUE(done.has_value()) << "the chat windows were not detected";
  EXPECT_EQ(done->text, "你可以语音打字聊天了哟!");
  EXPECT_STREQ(BoxIconName(MessageBoxIcon(done->handle)), "information");
  EXPECT_EQ(Status(), "状态:正在控制");
  EXPECT_TRUE(AnswerMessageBox(done->handle));
  EXPECT_EQ(app.WaitLogEvent("listen"), (std::vector<LogLine>{{"listen", "zh"}}));

  // The timer stopped with the find: pointing again shows nothing more.
  PointAt(probe.InputBox());
  PointAt(probe.SendButton());
  EXPECT_FALSE(FindMessageBox(app.Id()));
}

INSTANTIATE_TEST_SUITE_P(Order, ChatDetectionTest,
                         ::testing::Values(PointingCase{"InputThenSend", false}, PointingCase{"SendThenInput", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace voz::e2e
