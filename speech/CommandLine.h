// The running program's arguments in UTF-8, for ParseSpeechSwitches.
#pragma once

#include <string>
#include <vector>

namespace voz::speech {

// Without the program name. On Windows from the process's command line (so
// wWinMain programs need not split it); elsewhere empty: pass main's argv.
std::vector<std::string> ProgramArguments();

}  // namespace voz::speech
