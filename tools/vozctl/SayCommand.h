// `vozctl say PHRASE`: hands a phrase to the running Vozmara as if its
// recognizer had heard it (the text speech engine raises it), so scripts
// and tests can drive the program by "voice".
#pragma once

#include <ostream>
#include <string>

#include "tools/vozctl/Commands.h"

namespace voz::vozctl {

// The arguments after "say": exactly one non-empty phrase. Exit codes:
// 0 the program heard it; 1 Vozmara is not running, not listening or did
// not answer; 2 wrong arguments.
int RunSayCommand(const Args& args, std::ostream& out, std::ostream& err);

enum class SayDelivery {
  kHeard,         // the recognizer was listening and raised the phrase
  kNotListening,  // the program answered 0: control is not running
  kNotRunning,    // no main window of Vozmara
  kNoAnswer,      // the window did not answer in time
  kUnsupported,   // this platform has no Vozmara
};

// Sends the phrase to Vozmara's main window; per platform.
SayDelivery DeliverPhrase(const std::u16string& phrase);

}  // namespace voz::vozctl
