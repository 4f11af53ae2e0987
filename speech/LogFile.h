// Opening the log file by a UTF-8 path, per platform.
#pragma once

#include <cstdio>
#include <string>

namespace voz::speech {

// Binary append mode, so lines end in "\n" everywhere. Null on failure.
std::FILE* OpenLogFileForAppend(const std::string& utf8Path);

}  // namespace voz::speech
