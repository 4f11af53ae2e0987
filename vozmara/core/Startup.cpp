#include "vozmara/core/Startup.h"

#include <algorithm>

#include "platform/files/FileSystem.h"
#include "platform/ini/IniValues.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/WindowCommands.h"

namespace voz::core {

namespace {

constexpr const char* kKnownChineseVoices[] = {"Microsoft Simplified Chinese", "Chinese Female Voice(SmartRead)",
                                               "VW Wang", "VW Lily"};

void FillCommandList(MainContext& c) {
  c.window.ClearList(CommandListBox);
  for (const auto& row : c.library.Phrases().rows) c.window.AddListItem(CommandListBox, row);
}

void ChooseVoice(MainContext& c, const std::vector<speech::VoiceInfo>& voices) {
  const std::string stored = c.settings.Read("语音朗读", "语音库");
  if (!stored.empty()) {
    const int k = TextToInteger(stored);
    // An index outside the list keeps the synthesizer's current voice.
    if (k >= 0 && k < static_cast<int>(c.state.VoiceList.size())) c.voice.SelectVoice(c.state.VoiceList[k]);
    return;
  }
  c.state.PreferredChineseVoice = ChooseChineseVoice(voices);
  if (c.state.PreferredChineseVoice != 0) {
    c.voice.SelectVoice(c.state.VoiceList[c.state.PreferredChineseVoice - 1]);
    return;
  }
  c.dialogs.Message("您的电脑没有安装中文语音库，不能正常朗读中文！", "温馨提示：", MessageIcon::None);
  c.dialogs.OpenEngineDownload(true);
}

}  // namespace

int TextToInteger(std::string_view text) { return ini::TruncateToInt(ini::IniTextToNumber(text)); }

bool AnotherCopyRunning(std::string_view executableFileName, const std::vector<std::string>& runningNames) {
  if (executableFileName.size() < 4) return false;
  const std::string stem(executableFileName.substr(0, executableFileName.size() - 4));
  const std::string upper = stem + ".EXE";
  const std::string lower = stem + ".exe";
  int count = 0;
  for (const auto& name : runningNames) {
    if (name == upper || name == lower) ++count;
  }
  return count >= 2;
}

int ChooseChineseVoice(const std::vector<speech::VoiceInfo>& voices) {
  int chosen = 0;
  for (size_t i = 0; i < voices.size(); ++i) {
    for (const char* known : kKnownChineseVoices) {
      if (voices[i].name == known) chosen = static_cast<int>(i) + 1;
    }
  }
  if (chosen != 0) return chosen;
  // Modern Windows ships its Chinese voices under other names.
  for (size_t i = 0; i < voices.size(); ++i) {
    if (std::find(voices[i].languages.begin(), voices[i].languages.end(), speech::kChineseLangId) !=
        voices[i].languages.end())
      chosen = static_cast<int>(i) + 1;
  }
  return chosen;
}

bool CreateMainWindow(MainContext& c) {
  if (AnotherCopyRunning(c.program.ExecutableFileName(), c.processes.ExecutableNames())) {
    c.dialogs.Message("程序已经运行!", "温馨提示:", MessageIcon::Information);
    return false;
  }
  c.window.SetText(0, kWelcomeCaption);

  unsigned left = 0, right = 0;
  c.volume.Open();
  if (c.volume.Read(left, right)) {
    c.state.leftVolume = left;
    c.state.rightVolume = right;
  }
  c.window.SetSliderPosition(滑块条1, SliderFromVolume(c.state.leftVolume, c.volume.Maximum(),
                                                       c.window.SliderMaximum(滑块条1)));

  c.window.SetVisible(超文本浏览框2, false);
  c.window.SetHeight(348);
  c.extras.EnableVisualStyles();

  const std::string skin = c.program.Directory() + "\\界面图片\\0.jpg";
  if (c.fs.Exists(skin)) {
    if (auto bytes = c.fs.ReadAll(skin)) c.extras.SetSkinPicture(*bytes);
  }

  for (int n = 1; n <= 10; ++n) {
    const std::string caption = c.settings.Read(std::to_string(n), "菜单");
    if (caption.empty()) {
      c.window.SetMenuVisible(自定义一 + n - 1, false);
    } else {
      c.window.SetMenuCaption(自定义一 + n - 1, caption);
    }
  }

  c.window.MoveTo({TextToInteger(c.settings.Read("主窗口", "左边")),
                   TextToInteger(c.settings.Read("主窗口", "顶边"))});
  c.tray.Show(TrayIconKind::Idle, kTipAfterStart);

  c.library.Open(c.program.Directory());
  FillCommandList(c);

  c.voice.Reset();
  const std::vector<speech::VoiceInfo> voices = c.voice.Voices();
  c.state.VoiceList.clear();
  for (const auto& v : voices) c.state.VoiceList.push_back(v.name);
  ChooseVoice(c, voices);

  c.voice.SetRate(TextToInteger(c.settings.Read("语音朗读", "语速")));
  c.voice.SetVolume(TextToInteger(c.settings.Read("语音朗读", "音量")));
  c.voice.Speak(speech::kSpeakPlainText, kGreeting);

  if (ini::IsIniOn(c.settings.Read("设置", "自动控制"))) StartControl(c);
  return true;
}

}  // namespace voz::core
