#include <windows.h>
#include <shellapi.h>

#include "platform/text/Encoding.h"
#include "speech/CommandLine.h"

namespace voz::speech {

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (argv == nullptr) return arguments;
  for (int i = 1; i < count; ++i) {
    const std::wstring_view arg(argv[i]);
    arguments.push_back(text::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  LocalFree(argv);
  return arguments;
}

}  // namespace voz::speech
