#include "speech/LogFile.h"

#include <stdio.h>

#include <string>

#include "platform/text/Encoding.h"

namespace voz::speech {

std::FILE* OpenLogFileForAppend(const std::string& utf8Path) {
  if (utf8Path.empty()) return nullptr;
  const std::u16string wide = text::Utf8ToUtf16(utf8Path);
  const std::wstring path(wide.begin(), wide.end());
  return _wfopen(path.c_str(), L"ab");
}

}  // namespace voz::speech
