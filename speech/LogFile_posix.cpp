#include "speech/LogFile.h"

namespace voz::speech {

std::FILE* OpenLogFileForAppend(const std::string& utf8Path) {
  if (utf8Path.empty()) return nullptr;
  return std::fopen(utf8Path.c_str(), "ab");
}

}  // namespace voz::speech
