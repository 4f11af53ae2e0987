// Voice control: off, listening or paused. The state is held by the window
// itself (the status text and the enabled flags of the control menu), so
// every function here reads it back from the controls.
#pragma once

#include <string>

#include "vozmara/core/MainContext.h"

namespace voz::core {

enum class ControlState { NeverStarted, Running, Paused, Stopped };

inline constexpr const char* kStatusNeverStarted = "状态:没有控制";
inline constexpr const char* kStatusRunning = "状态:正在控制";
inline constexpr const char* kStatusPaused = "状态:暂停控制";
inline constexpr const char* kStatusStopped = "状态:停止控制";

inline constexpr const char* kTipAfterStart = "Vozmara V9.0\r\n彻底解放您的双手!";
inline constexpr const char* kTipPrefix = "Vozmara V9.0\r\n";

// ControlStatusText: part 2 of the status bar.
std::string ControlStatusText(const ui::Controls& window);
// Writes the status text, the menu flags, then the tray icon and its tip
// from the text read back.
void EnterState(MainContext& c, ControlState state);

void StartControl(MainContext& c);   // 开始控制
void PauseControl(MainContext& c);   // 暂停控制, and the pause phrase
void ResumeControl(MainContext& c);  // 继续控制, and the resume phrase
void StopControl(MainContext& c);    // 停止控制, and the stop built-in
void VoiceTraining(MainContext& c);  // 声音训练

// Clicks on the controls of the main window.
void LanguageClicked(MainContext& c, int language);  // 0 中文单选框, 1 英文单选框
void ShowCommandsClicked(MainContext& c);            // 选择框1, after the click toggled it
void ChatBoxClicked(MainContext& c);                 // ＱＱ聊天选择框, after the click toggled it
void ChatDetectionTick(MainContext& c);              // 时钟1

}  // namespace voz::core
