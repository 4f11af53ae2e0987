// The shell: open (ShellExecuteEx), run without waiting, the Desktop and Favorites folders,
// and the forced shutdown kinds.
#include <windows.h>
#include <knownfolders.h>
#include <powrprof.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

std::string KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  // Created when missing, so that opening it or saving into it works.
  const HRESULT hr = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
  std::string result = SUCCEEDED(hr) && path ? ui::Narrow(path) : std::string();
  CoTaskMemFree(path);
  return result;
}

// Shutting down, restarting and standing by need the privilege enabled in
// the process's token; logging off does not.
bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = false;
  if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    // Succeeds also when the privilege is missing; the error tells.
    enabled = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
              GetLastError() == ERROR_SUCCESS;
  }
  CloseHandle(token);
  return enabled;
}

class Win32Shell final : public Shell {
 public:
  void Open(const std::string& target) override {
    if (target.empty()) return;
    const std::wstring file = ui::Wide(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // Nothing is shown when it fails: no error box, no "Open with" dialog.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
  }

  void Run(const std::string& commandLine) override {
    if (commandLine.empty()) return;
    std::wstring line = ui::Wide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }

  std::string DesktopFolder() override { return KnownFolder(FOLDERID_Desktop); }
  std::string FavoritesFolder() override { return KnownFolder(FOLDERID_Favorites); }

  void Shutdown(ShutdownKind kind) override {
    constexpr DWORD kReason = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
    switch (kind) {
      case ShutdownKind::PowerOff:
        EnableShutdownPrivilege();
        ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, kReason);
        break;
      case ShutdownKind::Restart:
        EnableShutdownPrivilege();
        ExitWindowsEx(EWX_REBOOT | EWX_FORCE, kReason);
        break;
      case ShutdownKind::LogOff:
        ExitWindowsEx(EWX_LOGOFF | EWX_FORCE, kReason);
        break;
      case ShutdownKind::StandBy:
        EnableShutdownPrivilege();
        // Sleep rather than hibernate; forced: programs are not asked.
        SetSuspendState(FALSE, TRUE, FALSE);
        break;
    }
  }
};

}  // namespace

std::unique_ptr<Shell> CreateShell() { return std::make_unique<Win32Shell>(); }

}  // namespace voz::core::win
