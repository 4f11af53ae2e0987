#include "vozmara/core/ControlLifecycle.h"

#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/NumberEntry.h"

namespace voz::core {

namespace {

struct StateRow {
  ControlState state;
  const char* text;
  bool start, pause, resume, stop;
  TrayIconKind icon;
};

constexpr StateRow kStates[] = {
    {ControlState::NeverStarted, kStatusNeverStarted, true, false, false, false, TrayIconKind::Idle},
    {ControlState::Running, kStatusRunning, false, true, false, true, TrayIconKind::Active},
    {ControlState::Paused, kStatusPaused, false, false, true, true, TrayIconKind::Idle},
    {ControlState::Stopped, kStatusStopped, true, false, false, false, TrayIconKind::Idle},
};

int CurrentLanguage(const ui::Controls& window) { return window.Checked(中文单选框) ? 0 : 1; }


}  // namespace

std::string ControlStatusText(const ui::Controls& window) {
  return window.StatusText(状态条1, kStatusPartControl);
}

void EnterState(MainContext& c, ControlState state) {
  for (const auto& row : kStates) {
    if (row.state != state) continue;
    c.window.SetStatusText(状态条1, kStatusPartControl, row.text);
    c.window.SetMenuEnabled(开始控制, row.start);
    c.window.SetMenuEnabled(暂停控制, row.pause);
    c.window.SetMenuEnabled(继续控制, row.resume);
    c.window.SetMenuEnabled(停止控制, row.stop);
    c.tray.Show(row.icon, kTipPrefix + ControlStatusText(c.window));
  }
}

void StartControl(MainContext& c) {
  const int language = CurrentLanguage(c.window);
  if (!c.recognizer.Start(language, 0)) {
    c.dialogs.Message(language == 0
                          ? "您的电脑没有安装 英文识别引擎 和 中文识别补丁, 请下载安装后再开始控制"
                          : "您的电脑没有安装 英文识别引擎, 请下载安装后再开始控制",
                      "", MessageIcon::None);
    c.dialogs.OpenEngineDownload(false);
    return;
  }
  c.recognizer.SetPhrases(RecognizerPhrases(c.library.Phrases(), c.state.numberEntry));
  c.extras.StartWaveform();
  EnterState(c, ControlState::Running);
}

void PauseControl(MainContext& c) { EnterState(c, ControlState::Paused); }

void ResumeControl(MainContext& c) { EnterState(c, ControlState::Running); }

void StopControl(MainContext& c) {
  if (!c.recognizer.Stop()) {
    c.dialogs.Message("停止语音识别失败", "", MessageIcon::None);
    return;
  }
  EnterState(c, ControlState::Stopped);
}

void VoiceTraining(MainContext& c) {
  if (c.window.MenuEnabled(开始控制)) StartControl(c);
  c.recognizer.OpenTraining(c.extras.NativeHandle());
}

void LanguageClicked(MainContext& c, int language) {
  if (c.window.MenuEnabled(开始控制)) return;
  // A restart only: failures are not reported and the state stays as shown.
  c.recognizer.Stop();
  c.recognizer.Start(language, 0);
}

void ShowCommandsClicked(MainContext& c) {
  const bool show = c.window.Checked(选择框1);
  c.window.SetVisible(EchoBox, show);
  c.window.SetVisible(CommandListBox, show);
  c.window.SetText(选择框1, show ? "关闭命令" : "显示命令");
}

void ChatBoxClicked(MainContext& c) {
  c.window.SetTimerInterval(时钟1, 100);
  c.state.ChatInputWindow = 0;
  c.state.ChatSendButton = 0;
  if (c.window.Checked(ＱＱ聊天选择框)) {
    c.dialogs.Message("请将鼠标指向QQ 文字输入框 和 发送按钮", "操作提示:", MessageIcon::Information);
  }
}

void ChatDetectionTick(MainContext& c) {
  const PointedWindow first = c.pointer.UnderPointer();
  if (first.className == "RichEdit20A" && first.title.empty()) c.state.ChatInputWindow = first.handle;
  const PointedWindow second = c.pointer.UnderPointer();
  if (second.className == "Button" && second.title == "发送(S)") c.state.ChatSendButton = second.handle;
  if (c.state.ChatInputWindow == 0 || c.state.ChatSendButton == 0) return;
  c.window.SetTimerInterval(时钟1, 0);
  if (ControlStatusText(c.window) != kStatusRunning) StartControl(c);
  c.dialogs.Message("你可以语音打字聊天了哟!", "温馨提示:", MessageIcon::Information);
}

}  // namespace voz::core
