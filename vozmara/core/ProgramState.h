// Vozmara's program-wide state: created before the main window, alive until
// the program ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voz::core {

// While number-entry mode is on, the library's pause and resume phrases
// remembered when it began: the phrase list then holds numbers only.
struct NumberEntryState {
  bool on = false;
  std::string pausePhrase;
  std::string resumePhrase;
};

// PhraseList lives with the command library (library::CommandLibrary::Phrases).
struct ProgramState {
  std::vector<std::string> VoiceList;
  int PreferredChineseVoice = 0;  // 1-based position in VoiceList, 0 = none
  unsigned leftVolume = 0, rightVolume = 0;
  std::uintptr_t ChatInputWindow = 0;
  std::uintptr_t ChatSendButton = 0;
  int ReadAloudPaused = 0;
  NumberEntryState numberEntry;
};

}  // namespace voz::core
