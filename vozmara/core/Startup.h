// The creation of Vozmara's main window, step by step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "speech/SpeechSynthesizer.h"
#include "vozmara/core/MainContext.h"

namespace voz::core {

// Runs every step of the window's creation. False when the program must end
// at once (another copy is running); the caller then quits without showing
// the window.
bool CreateMainWindow(MainContext& c);

// Steps that tests drive on their own.
bool AnotherCopyRunning(std::string_view executableFileName, const std::vector<std::string>& runningNames);
// The 1-based position of the voice to prefer for Chinese, 0 when none:
// the last of the known Chinese voice names, else the last voice whose
// language is Chinese.
int ChooseChineseVoice(const std::vector<speech::VoiceInfo>& voices);

// A setting's text as an integer: its leading number truncated toward zero
// ("12.7ab" is 12; "abc" and "" are 0).
int TextToInteger(std::string_view text);

inline constexpr const char* kWelcomeCaption = "欢迎使用 - Vozmara V9.0";
inline constexpr const char* kGreeting = "欢迎您使用Vozmara";

}  // namespace voz::core
