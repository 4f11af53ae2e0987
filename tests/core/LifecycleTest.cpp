#include <gtest/gtest.h>

#include "tests/core/CoreFixture.h"
#include "vozmara/core/ControlLifecycle.h"

namespace voz::core {
namespace {

using testing::CoreFixture;
using testing::FakeRecognizer;

struct LifecycleTest : CoreFixture, ::testing::Test {
  struct Shown {
    std::string status;
    bool start, pause, resume, stop;
    TrayIconKind icon;
  };
  void ExpectShown(const Shown& s) {
    EXPECT_EQ(ControlStatusText(window), s.status);
    EXPECT_EQ(window.MenuEnabled(开始控制), s.start) << s.status;
    EXPECT_EQ(window.MenuEnabled(暂停控制), s.pause) << s.status;
    EXPECT_EQ(window.MenuEnabled(继续控制), s.resume) << s.status;
    EXPECT_EQ(window.MenuEnabled(停止控制), s.stop) << s.status;
    EXPECT_EQ(tray.icon, s.icon) << s.status;
    EXPECT_EQ(tray.tip, "Vozmara V9.0\r\n" + s.status);
  }
};

TEST_F(LifecycleTest, TheWholeStateTable) {
  const Shown neverStarted{"状态:没有控制", true, false, false, false, TrayIconKind::Idle};
  const Shown running{"状态:正在控制", false, true, false, true, TrayIconKind::Active};
  const Shown paused{"状态:暂停控制", false, false, true, true, TrayIconKind::Idle};
  const Shown stopped{"状态:停止控制", true, false, false, false, TrayIconKind::Idle};
  tray.tip = "Vozmara V9.0\r\n状态:没有控制";
  ExpectShown(neverStarted);

  library.Phrases().AppendCommand("打开记事本");
  StartControl(c);
  ExpectShown(running);
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"start 0", "phrases 1"}));
  EXPECT_EQ(program.waveformStarts, 1);
  PauseControl(c);
  ExpectShown(paused);
  EXPECT_TRUE(recognizer.listening) << "a paused recognizer keeps listening";
  ResumeControl(c);
  ExpectShown(running);
  PauseControl(c);
  StopControl(c);
  ExpectShown(stopped);
  StartControl(c);
  ExpectShown(running);
  StopControl(c);
  ExpectShown(stopped);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LifecycleTest, MissingEngineLeavesTheStateAndOpensTheDownloadWindow) {
  struct Case {
    bool english;
    const char* message;
  };
  const Case cases[] = {
      {false, "您的电脑没有安装 英文识别引擎 和 中文识别补丁, 请下载安装后再开始控制"},
      {true, "您的电脑没有安装 英文识别引擎, 请下载安装后再开始控制"},
  };
  for (const auto& k : cases) {
    CoreFixture f;
    f.recognizer.installed.clear();
    f.window.SetChecked(中文单选框, !k.english);
    f.window.SetChecked(英文单选框, k.english);
    StartControl(f.c);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, k.message);
    EXPECT_EQ(f.dialogs.messages[0].title, "");
    EXPECT_EQ(f.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(f.dialogs.downloads, (std::vector<bool>{false}));
    EXPECT_EQ(ControlStatusText(f.window), "状态:没有控制");
    EXPECT_TRUE(f.window.MenuEnabled(开始控制));
    EXPECT_EQ(f.recognizer.calls, (std::vector<std::string>{std::string("start ") + (k.english ? "1" : "0")}));
  }
}

TEST_F(LifecycleTest, RefusedStopKeepsTheState) {
  StartControl(c);
  PauseControl(c);
  recognizer.stopSucceeds = false;
  StopControl(c);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "停止语音识别失败");
  EXPECT_EQ(ControlStatusText(window), "状态:暂停控制");
}

TEST_F(LifecycleTest, TrainingStartsControlOnlyWhenStartIsEnabled) {
  VoiceTraining(c);
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"start 0", "phrases 0", "training"}));
  recognizer.calls.clear();
  VoiceTraining(c);
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"training"}));
  // A failed start still opens the wizard.
  CoreFixture f;
  f.recognizer.installed.clear();
  VoiceTraining(f.c);
  EXPECT_EQ(f.recognizer.calls, (std::vector<std::string>{"start 0", "training"}));
}

TEST_F(LifecycleTest, LanguageButtonsRestartOnlyWhileControlIsOn) {
  LanguageClicked(c, 1);
  EXPECT_TRUE(recognizer.calls.empty());
  window.SetChecked(英文单选框, true);
  window.SetChecked(中文单选框, false);
  StartControl(c);
  recognizer.calls.clear();
  recognizer.installed = {speech::kEnglish};
  window.SetChecked(中文单选框, true);
  LanguageClicked(c, 0);
  // No message and no change of state, although the Chinese engine is missing.
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"stop", "start 0"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ControlStatusText(window), "状态:正在控制");
}

TEST_F(LifecycleTest, ShowCommandsBox) {
  window.SetChecked(选择框1, false);  // the first click unchecks it
  ShowCommandsClicked(c);
  EXPECT_FALSE(window.Visible(EchoBox));
  EXPECT_FALSE(window.Visible(CommandListBox));
  EXPECT_EQ(window.Text(选择框1), "显示命令");
  window.SetChecked(选择框1, true);
  ShowCommandsClicked(c);
  EXPECT_TRUE(window.Visible(EchoBox));
  EXPECT_TRUE(window.Visible(CommandListBox));
  EXPECT_EQ(window.Text(选择框1), "关闭命令");
}

TEST_F(LifecycleTest, ChatBoxRestartsDetection) {
  state.ChatInputWindow = 5;
  state.ChatSendButton = 6;
  window.SetChecked(ＱＱ聊天选择框, true);
  ChatBoxClicked(c);
  EXPECT_EQ(window.TimerInterval(时钟1), 100);
  EXPECT_EQ(state.ChatInputWindow, 0u);
  EXPECT_EQ(state.ChatSendButton, 0u);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "请将鼠标指向QQ 文字输入框 和 发送按钮");
  EXPECT_EQ(dialogs.messages[0].title, "操作提示:");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);

  window.SetChecked(ＱＱ聊天选择框, false);
  state.ChatInputWindow = 5;
  window.SetTimerInterval(时钟1, 0);
  ChatBoxClicked(c);
  EXPECT_EQ(window.TimerInterval(时钟1), 100);
  EXPECT_EQ(state.ChatInputWindow, 0u);
  EXPECT_EQ(dialogs.messages.size(), 1u) << "no message when unchecked";
}

TEST_F(LifecycleTest, ChatDetectionFindsBothWindowsOnDifferentTicks) {
  window.SetTimerInterval(时钟1, 100);
  const PointedWindow send{22, "Button", "发送(S)"};
  const PointedWindow input{11, "RichEdit20A", ""};
  // Near misses are not taken: class and title are compared exactly.
  pointer.next = {{7, "RichEdit20W", ""}, {8, "Button", "发送"}};
  ChatDetectionTick(c);
  pointer.next = {{9, "RichEdit20A", "x"}, {10, "button", "发送(S)"}};
  ChatDetectionTick(c);
  EXPECT_EQ(state.ChatInputWindow, 0u);
  EXPECT_EQ(state.ChatSendButton, 0u);

  pointer.next = {send, send};
  ChatDetectionTick(c);
  EXPECT_EQ(state.ChatSendButton, 22u);
  EXPECT_EQ(window.TimerInterval(时钟1), 100);
  EXPECT_TRUE(dialogs.messages.empty());

  pointer.next = {input, input};
  ChatDetectionTick(c);
  EXPECT_EQ(state.ChatInputWindow, 11u);
  EXPECT_EQ(window.TimerInterval(时钟1), 0);
  EXPECT_EQ(ControlStatusText(window), "状态:正在控制");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "你可以语音打字聊天了哟!");
  EXPECT_EQ(dialogs.messages[0].title, "温馨提示:");
}

TEST_F(LifecycleTest, ChatDetectionRestartsControlWhilePausedButNotWhileRunning) {
  StartControl(c);
  PauseControl(c);
  recognizer.calls.clear();
  pointer.next = {{11, "RichEdit20A", ""}, {22, "Button", "发送(S)"}};
  ChatDetectionTick(c);
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"start 0", "phrases 0"}));
  EXPECT_EQ(ControlStatusText(window), "状态:正在控制");

  recognizer.calls.clear();
  state.ChatInputWindow = state.ChatSendButton = 0;
  pointer.next = {{11, "RichEdit20A", ""}, {22, "Button", "发送(S)"}};
  ChatDetectionTick(c);
  EXPECT_TRUE(recognizer.calls.empty());
}

}  // namespace
}  // namespace voz::core
