// Vozmara's program-wide state: created before the main window, alive until
// the program ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voz::core {

// PhraseList lives with the command library (library::CommandLibrary::Phrases).
struct ProgramState {
  std::vector<std::string> VoiceList;
  int PreferredChineseVoice = 0;  // 1-based position in VoiceList, 0 = none
  unsigned leftVolume = 0, rightVolume = 0;
  std::uintptr_t ChatInputWindow = 0;
  std::uintptr_t ChatSendButton = 0;
  int ReadAloudPaused = 0;
};

}  // namespace voz::core
