// What happens to a recognised phrase: pause and resume, number entry,
// voice typing, the command library, and typing what matched nothing.
#pragma once

#include <string>

#include "vozmara/core/MainContext.h"

namespace voz::core {

// Handles one utterance of the main window's recognizer. Everything it
// tests is read afresh from the window for each phrase.
void DispatchPhrase(MainContext& c, const std::string& phrase);

// The phrases that pause and resume control: entries 6 and 7 of the phrase
// list, or in number-entry mode the library's pause and resume phrases
// remembered when the mode began, so that every number types itself.
std::string PausePhrase(const MainContext& c);
std::string ResumePhrase(const MainContext& c);

}  // namespace voz::core
