// The actions of matched commands: the six command types, the built-in
// commands by position, and the three ways of typing into other programs.
#pragma once

#include <string>

#include "vozmara/core/MainContext.h"

namespace voz::core {

// Runs the current library record's action; type 5 needs the phrase. A
// type outside 0..5 runs nothing.
void RunLibraryCommand(MainContext& c, int commandType, const std::string& phrase);

// Runs every built-in position (1..43, but 6, 7 and 17) whose phrase-list
// entry equals the phrase, in ascending order.
void RunBuiltins(MainContext& c, const std::string& phrase);

// The clipboard takes the text, then Ctrl+V pastes it where the focus is.
void PasteText(MainContext& c, const std::string& text);
// Into the chat program's input box, and its send button.
void TypeIntoChat(MainContext& c, const std::string& text);
void PressChatSend(MainContext& c);

// The keys a keyboard command presses; empty when the combination is not
// pressable (a missing first or second key before a third one).
std::vector<int> KeysToPress(int first, int second, int third);

// Checks one of the three mode buttons (语音打字单选框, 语音控制单选框, 混合模式单选框) and unchecks the others.
void SetRecognitionMode(MainContext& c, int modeButton);

// One step of the volume slider up or down, then applied to the system volume.
void VolumeStep(MainContext& c, bool up);

inline constexpr const char* kSnapshotPrefix = "屏幕快照";

}  // namespace voz::core
