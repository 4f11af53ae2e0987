// Text and clicks into the windows of another process: the probe program
// stands in for the chat program, with a "RichEdit20A" input box.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <cwchar>

#include "platform/ui/Win32Window.h"
#include "tests/actions/ActionsFixture_win.h"
#include "tests/actions/ProbeProtocol.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {
namespace {

using test::kProbeButtonId;
using test::kProbeEditId;
using test::kProbeRichId;
using test::ProbeWindow;

std::uintptr_t Handle(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

class WindowMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(probe_.Started());
    // The box is an ANSI window: what makes plain EM_REPLACESEL lose Chinese.
    ASSERT_FALSE(IsWindowUnicode(probe_.Control(kProbeRichId)));
    ASSERT_TRUE(IsWindowUnicode(probe_.Control(kProbeEditId)));
    RecordProperty("ansi_code_page", static_cast<int>(GetACP()));
    wchar_t expected[16] = {};
    if (GetEnvironmentVariableW(L"VOZ_EXPECT_ACP", expected, 16) > 0 && GetACP() != wcstoul(expected, nullptr, 10)) {
      GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not " << ui::Narrow(expected)
                   << ": the locale is missing (localedef -i zh_CN -f UTF-8 zh_CN.UTF-8)";
    }
  }

  ProbeWindow probe_;
  std::unique_ptr<WindowMessages> messages_ = CreateWindowMessages();
};

TEST_F(WindowMessagesTest, ChineseArrivesIntactInBothBoxesAtTheCaret) {
  const std::string text = "你好，世界 ok 汉字";
  messages_->ReplaceSelection(Handle(probe_.Control(kProbeRichId)), text);
  messages_->ReplaceSelection(Handle(probe_.Control(kProbeEditId)), text);
  auto report = probe_.Report();
  EXPECT_EQ(report["rich"], "<" + text + ">");
  EXPECT_EQ(report["edit"], "<" + text + ">");

  // A second text goes in after the first, where the caret now is.
  messages_->ReplaceSelection(Handle(probe_.Control(kProbeRichId)), "再");
  EXPECT_EQ(probe_.Report()["rich"], "<" + text + "再>");
}

TEST_F(WindowMessagesTest, TheRichEditChangeCanBeUndone) {
  HWND rich = probe_.Control(kProbeRichId);
  messages_->ReplaceSelection(Handle(rich), "撤销");
  ASSERT_EQ(probe_.Report()["rich"], "<撤销>");
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(rich, EM_UNDO, 0, 0, SMTO_NORMAL, 5000, &answer);
  EXPECT_EQ(probe_.Report()["rich"], "<>");
}

TEST_F(WindowMessagesTest, ClickButtonPressesTheButtonOnce) {
  messages_->ClickButton(Handle(probe_.Control(kProbeButtonId)));
  EXPECT_EQ(probe_.Report()["clicks"], "1");
  messages_->ClickButton(Handle(probe_.Control(kProbeButtonId)));
  EXPECT_EQ(probe_.Report()["clicks"], "2");
}

TEST_F(WindowMessagesTest, NoWindowAndADeadWindowAreNothing) {
  HWND dead = CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(dead);
  DestroyWindow(dead);
  const ULONGLONG start = GetTickCount64();
  for (std::uintptr_t handle : {std::uintptr_t{0}, Handle(dead), std::uintptr_t{0x12345678}}) {
    messages_->ReplaceSelection(handle, "无处");
    messages_->ClickButton(handle);
  }
  EXPECT_LT(GetTickCount64() - start, 1000u);
  auto report = probe_.Report();
  EXPECT_EQ(report["rich"], "<>");
  EXPECT_EQ(report["clicks"], "0");
}

TEST_F(WindowMessagesTest, AHungProgramCostsAShortWaitAndNeitherCrashesNorDoublesTheText) {
  // The probe's window thread sleeps; our messages wait in its queue.
  PostMessageW(probe_.Window(), test::kProbeStall, 6000, 0);
  test::Pump(200);
  const ULONGLONG start = GetTickCount64();
  messages_->ReplaceSelection(Handle(probe_.Control(kProbeRichId)), "稍后");
  messages_->ClickButton(Handle(probe_.Control(kProbeButtonId)));
  EXPECT_LT(GetTickCount64() - start, 5500u);
  // Awake again, the probe may still handle what timed out (Windows does,
  // Wine drops it): the memory left for the text must still be there.
  auto report = probe_.Report(15000);
  EXPECT_TRUE(probe_.Alive());
  EXPECT_TRUE(report["rich"] == "<>" || report["rich"] == "<稍后>") << report["rich"];
  EXPECT_TRUE(report["clicks"] == "0" || report["clicks"] == "1") << report["clicks"];
  RecordProperty("late_text", report["rich"]);
  // Once it answers again, text arrives as usual.
  messages_->ReplaceSelection(Handle(probe_.Control(kProbeRichId)), "好");
  EXPECT_NE(probe_.Report()["rich"].find("好>"), std::string::npos);
}

}  // namespace
}  // namespace voz::core::win
