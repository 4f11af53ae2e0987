#include "vozmara/core/WindowCommands.h"

#include "vozmara/core/MainWindowDesign.h"

namespace voz::core {

void ToggleWindowVisibility(MainContext& c) {
  // The caption is the only record of the state.
  if (c.window.MenuCaption(隐藏窗口) == "隐藏窗口") {
    c.window.SetMenuCaption(隐藏窗口, "显示窗口");
    c.window.SetVisible(0, false);
  } else {
    c.window.SetMenuCaption(隐藏窗口, "隐藏窗口");
    c.window.SetVisible(0, true);
  }
}

void ToggleTopMost(MainContext& c) {
  const bool on = !c.window.MenuChecked(显示最前);
  c.window.SetMenuChecked(显示最前, on);
  c.window.SetTopMost(on);
}

void EndProgram(MainContext& c) {
  c.volume.Close();
  c.tray.Remove();
  const auto position = c.window.Position();
  c.settings.Write("主窗口", "左边", std::to_string(position.x));
  c.settings.Write("主窗口", "顶边", std::to_string(position.y));
  c.program.Quit();
}

void MainWindowClosing(MainContext& c) {
  c.voice.Stop();
  // The tray icon must not outlive the window it reports to.
  c.tray.Remove();
}

void TrayEvent(MainContext& c, TrayMouse event) {
  if (event == TrayMouse::LeftDoubleClick) ToggleWindowVisibility(c);
  if (event == TrayMouse::RightClick) c.extras.PopUpControlMenu();
}

int SliderFromVolume(unsigned channel, unsigned maximum, int sliderMaximum) {
  if (maximum == 0 || sliderMaximum <= 0) return 0;
  if (channel > maximum) channel = maximum;
  return static_cast<int>(static_cast<std::uint64_t>(channel) * static_cast<unsigned>(sliderMaximum) / maximum);
}

unsigned VolumeFromSlider(int position, unsigned maximum, int sliderMaximum) {
  if (sliderMaximum <= 0 || position <= 0) return 0;
  if (position > sliderMaximum) position = sliderMaximum;
  return static_cast<unsigned>(static_cast<std::uint64_t>(maximum) * static_cast<unsigned>(position) /
                               static_cast<unsigned>(sliderMaximum));
}

void ApplyVolumeSlider(MainContext& c) {
  const unsigned level =
      VolumeFromSlider(c.window.SliderPosition(滑块条1), c.volume.Maximum(), c.window.SliderMaximum(滑块条1));
  c.state.leftVolume = level;
  c.state.rightVolume = level;
  c.volume.Write(level, level);
}

}  // namespace voz::core
