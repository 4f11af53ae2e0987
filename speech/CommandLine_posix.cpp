#include "speech/CommandLine.h"

namespace voz::speech {

std::vector<std::string> ProgramArguments() { return {}; }

}  // namespace voz::speech
