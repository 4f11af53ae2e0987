#include "vozmara/core/CommandActions.h"

#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/NumberedPath.h"
#include "vozmara/core/Operations.h"
#include "vozmara/core/WindowCommands.h"
#include "vozmara/library/BuiltinCommand.h"
#include "vozmara/library/CommandFields.h"
#include "vozmara/library/CommandType.h"

namespace voz::core {

namespace {

using library::BuiltinCommand;

constexpr int kCtrl = 0x11;
constexpr int kV = 0x56;

void ShowCommandList(MainContext& c, bool show) {
  c.window.SetChecked(选择框1, show);
  c.window.SetVisible(EchoBox, show);
  c.window.SetVisible(CommandListBox, show);
  c.window.SetText(选择框1, show ? "关闭命令" : "显示命令");
}

void AskThenShutdown(MainContext& c, const char* question, ShutdownKind kind) {
  if (c.actions.questions.AskYesNo(question, "询问:")) c.actions.shell.Shutdown(kind);
}

void SpeakResult(MainContext& c, bool ok, const std::string& what) {
  c.voice.Speak(speech::kSpeakPlainText, what + (ok ? " 成功" : " 失败"));
}

// Built-ins whose operation belongs to a companion tool, by the menu entry
// (or operation) that runs it.
int OperationOf(BuiltinCommand command) {
  switch (command) {
    case BuiltinCommand::ScreenCapture: return 屏幕截图;
    case BuiltinCommand::OpenReadAloud: return 语音朗读;
    case BuiltinCommand::OpenChat: return 人机对话;
    case BuiltinCommand::OpenDictionary: return 在线词典;
    case BuiltinCommand::ToggleNewsStrip: return 在线新闻;
    case BuiltinCommand::OpenTodayInHistory: return 回顾今日;
    case BuiltinCommand::ToggleRecording:
    case BuiltinCommand::ToggleRecordingSecond: return 开始录音;
    case BuiltinCommand::OpenTranslation: return 英汉互译;
    case BuiltinCommand::OpenWeather: return kOpenWeatherAtOnce;
    case BuiltinCommand::OpenCalendar: return 万年双历;
    case BuiltinCommand::NextSkin: return 七十二变;
    default: return 0;
  }
}

void RunBuiltin(MainContext& c, BuiltinCommand command) {
  if (const int operation = OperationOf(command)) {
    c.operations.Run(operation, c);
    return;
  }
  switch (command) {
    case BuiltinCommand::ShowCommandList: ShowCommandList(c, true); break;
    case BuiltinCommand::HideCommandList: ShowCommandList(c, false); break;
    case BuiltinCommand::ModeVoiceTyping: SetRecognitionMode(c, 语音打字单选框); break;
    case BuiltinCommand::ModeVoiceControl: SetRecognitionMode(c, 语音控制单选框); break;
    case BuiltinCommand::ModeMixed: SetRecognitionMode(c, 混合模式单选框); break;
    case BuiltinCommand::StopControl: StopControl(c); break;
    case BuiltinCommand::ToggleWindow:
    case BuiltinCommand::ToggleWindowSecond: ToggleWindowVisibility(c); break;
    case BuiltinCommand::ExitProgram: EndProgram(c); break;
    case BuiltinCommand::ScreenSnapshot:
      c.actions.utilities.ScreenSnapshot(
          NextFreeNumberedPath(c.fs, c.actions.shell.DesktopFolder(), kSnapshotPrefix, ".jpg"));
      break;
    case BuiltinCommand::NewMail: c.actions.shell.Open(c.window.Text(超级链接框1)); break;
    case BuiltinCommand::ForcedShutdown: AskThenShutdown(c, "确定要 关机 吗?", ShutdownKind::PowerOff); break;
    case BuiltinCommand::ForcedRestart: AskThenShutdown(c, "确定要 重启 吗?", ShutdownKind::Restart); break;
    case BuiltinCommand::ForcedLogOff: AskThenShutdown(c, "确定要 注销 吗?", ShutdownKind::LogOff); break;
    case BuiltinCommand::ForcedStandBy: AskThenShutdown(c, "确定要 待机 吗?", ShutdownKind::StandBy); break;
    case BuiltinCommand::Mute: c.actions.mute.SetMute(true); break;
    case BuiltinCommand::Unmute: c.actions.mute.SetMute(false); break;
    case BuiltinCommand::MinimizeAllWindows: c.actions.utilities.MinimizeAllWindows(); break;
    case BuiltinCommand::RestoreAllWindows: c.actions.utilities.RestoreAllWindows(); break;
    case BuiltinCommand::ToggleAlwaysOnTop: ToggleTopMost(c); break;
    case BuiltinCommand::OpenWithDialog:
      c.actions.shell.Run("rundll32.exe shell32.dll,OpenAs_RunDLL path\\filename");
      break;
    case BuiltinCommand::InternetOptions:
      c.actions.shell.Run("rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl");
      break;
    case BuiltinCommand::OpenFavorites: c.actions.shell.Open(c.actions.shell.FavoritesFolder()); break;
    case BuiltinCommand::ClearHistory: SpeakResult(c, c.actions.utilities.ClearHistory(), "清除历史记录"); break;
    case BuiltinCommand::DeleteTemporaryFiles:
      SpeakResult(c, c.actions.utilities.DeleteTemporaryFiles(), "删除临时文件");
      break;
    case BuiltinCommand::VolumeUp: VolumeStep(c, true); break;
    case BuiltinCommand::VolumeDown: VolumeStep(c, false); break;
    case BuiltinCommand::PressChatSend:
      if (c.window.Checked(ＱＱ聊天选择框)) PressChatSend(c);
      break;
    default:  // pause and resume belong to the dispatch; 17 does nothing
      break;
  }
}

}  // namespace

void SetRecognitionMode(MainContext& c, int modeButton) {
  for (int id : {语音打字单选框, 语音控制单选框, 混合模式单选框}) c.window.SetChecked(id, id == modeButton);
}

std::vector<int> KeysToPress(int first, int second, int third) {
  using library::NoKey;
  if (second == NoKey && third == NoKey) return {first};
  if (third == NoKey) return {first, second};
  if (first != NoKey && second != NoKey) return {first, second, third};
  return {};
}

void PasteText(MainContext& c, const std::string& text) {
  c.actions.clipboard.SetText(text);
  c.actions.input.PressKeys({kCtrl, kV});
}

void TypeIntoChat(MainContext& c, const std::string& text) {
  c.actions.messages.ReplaceSelection(c.state.ChatInputWindow, text);
}

void PressChatSend(MainContext& c) { c.actions.messages.ClickButton(c.state.ChatSendButton); }

void VolumeStep(MainContext& c, bool up) {
  const int maximum = c.window.SliderMaximum(滑块条1);
  const int minimum = 0;
  const int position = c.window.SliderPosition(滑块条1);
  const int step = maximum / 10;
  int next;
  if (up) {
    next = position < maximum ? position + step : maximum;
  } else {
    next = minimum < position ? position - step : minimum;
  }
  c.window.SetSliderPosition(滑块条1, next);
  ApplyVolumeSlider(c);
}

void RunBuiltins(MainContext& c, const std::string& phrase) {
  const auto& phrases = c.library.Phrases();
  for (const auto& info : library::BuiltinCommands()) {
    if (info.command == BuiltinCommand::PauseControl || info.command == BuiltinCommand::ResumeControl) continue;
    if (phrases.EntryEquals(info.record, phrase)) RunBuiltin(c, info.command);
  }
}

void RunLibraryCommand(MainContext& c, int commandType, const std::string& phrase) {
  namespace f = library::field;
  switch (commandType) {
    case 0:
    case 1:
      c.actions.shell.Open(c.library.ReadText(f::执行));
      break;
    case 2: {
      const int kind = c.library.ReadNumber(f::点击类型);
      if (kind >= 0 && kind <= 3) {
        c.actions.input.Click(c.library.ReadNumber(f::横坐标), c.library.ReadNumber(f::纵坐标),
                              static_cast<ClickKind>(kind));
      }
      break;
    }
    case 3: {
      const auto keys = KeysToPress(c.library.ReadNumber(f::第一键), c.library.ReadNumber(f::第二键),
                                    c.library.ReadNumber(f::第三键));
      if (!keys.empty()) c.actions.input.PressKeys(keys);
      break;
    }
    case 4:
      PasteText(c, c.library.ReadText(f::执行));
      break;
    case 5:
      RunBuiltins(c, phrase);
      break;
    default:
      break;
  }
}

}  // namespace voz::core
