// vozctl: the command-line companion of Vozmara.
#include <iostream>
#include <sstream>

#include "platform/files/FileSystem.h"
#include "tools/vozctl/Commands.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/text/Encoding.h"

namespace {

// Writes UTF-8 to a console as UTF-16, and as UTF-8 bytes to a file or pipe.
void Emit(DWORD which, const std::string& utf8) {
  if (utf8.empty()) return;
  HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::u16string wide = voz::text::Utf8ToUtf16(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  voz::vozctl::Args args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg(argv[i]);
    args.push_back(voz::text::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  std::ostringstream out, err;
  const int code = voz::vozctl::RunVozctl(args, voz::files::RealFileSystem(), out, err);
  Emit(STD_OUTPUT_HANDLE, out.str());
  Emit(STD_ERROR_HANDLE, err.str());
  return code;
}
#else
int main(int argc, char** argv) {
  voz::vozctl::Args args(argv + 1, argv + argc);
  return voz::vozctl::RunVozctl(args, voz::files::RealFileSystem(), std::cout, std::cerr);
}
#endif
