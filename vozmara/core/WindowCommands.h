// The main window's own commands: hide and show, always on top, the volume
// slider, the tray icon's mouse events and the two ways the program ends.
#pragma once

#include "vozmara/core/MainContext.h"

namespace voz::core {

void ToggleWindowVisibility(MainContext& c);  // 隐藏窗口
void ToggleTopMost(MainContext& c);           // 显示最前
void EndProgram(MainContext& c);              // 退出程序
void MainWindowClosing(MainContext& c);       // the close box

enum class TrayMouse { LeftDoubleClick, RightClick, Other };
void TrayEvent(MainContext& c, TrayMouse event);

// Volume arithmetic on the 0..maximum scale of the system volume, truncated
// toward zero; a maximum of 0 (no mixer) gives 0.
int SliderFromVolume(unsigned channel, unsigned maximum, int sliderMaximum);
unsigned VolumeFromSlider(int position, unsigned maximum, int sliderMaximum);

// 滑块条1 moved (also the volume built-ins after they move it).
void ApplyVolumeSlider(MainContext& c);

}  // namespace voz::core
