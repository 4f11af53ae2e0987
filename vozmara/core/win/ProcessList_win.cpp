// The running processes' executable names, from a Toolhelp snapshot.
#include <windows.h>
#include <tlhelp32.h>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {

namespace {

class ToolhelpProcessList final : public ProcessList {
 public:
  std::vector<std::string> ExecutableNames() override {
    std::vector<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
      names.push_back(ui::Narrow(entry.szExeFile));
    }
    CloseHandle(snapshot);
    return names;
  }
};

}  // namespace

std::unique_ptr<ProcessList> CreateProcessList() { return std::make_unique<ToolhelpProcessList>(); }

}  // namespace voz::core::win
