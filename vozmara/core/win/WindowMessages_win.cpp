// Text and clicks sent to other programs' windows.
//
// The chat program's input box is a "RichEdit20A" window, an ANSI window:
// EM_REPLACESEL sent to it is converted through the system's ANSI code page,
// which turns Chinese into "?" on any system whose code page is not Chinese.
// Rich edit boxes therefore get EM_SETTEXTEX with UTF-16 text (code page
// 1200), which is not converted; its pointers must be valid in the box's
// process, so structure and text are written into memory allocated there.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <cwctype>
#include <vector>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

// A hung program gets this long to answer before we give up.
constexpr UINT kAnswerTimeout = 2000;  // ms
constexpr UINT kSendFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG;

bool IsRichEdit(HWND window) {
  wchar_t name[64] = {};
  const int length = GetClassNameW(window, name, 64);
  if (length < 8) return false;
  // "RichEdit20A", "RichEdit20W", "RICHEDIT50W", "RichEdit".
  const wchar_t prefix[] = L"richedit";
  for (int i = 0; i < 8; ++i) {
    if (std::towlower(name[i]) != prefix[i]) return false;
  }
  return true;
}

enum class Sent { Answered, Failed, TimedOut };

Sent Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer = nullptr) {
  DWORD_PTR result = 0;
  SetLastError(ERROR_SUCCESS);
  if (SendMessageTimeoutW(window, message, wParam, lParam, kSendFlags, kAnswerTimeout, &result)) {
    if (answer) *answer = result;
    return Sent::Answered;
  }
  const DWORD error = GetLastError();
  return error == ERROR_TIMEOUT || error == ERROR_SUCCESS ? Sent::TimedOut : Sent::Failed;
}

// EM_SETTEXTEX with the structure and the text in the box's own process.
// False when that cannot be done (no access to the process, or the box
// refused), so that the caller can fall back to EM_REPLACESEL.
bool SetSelectionTextInProcess(HWND window, const std::wstring& text) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0) return false;
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;

  // One block: the structure, then the text with its terminating zero.
  const SETTEXTEX settings{ST_SELECTION | ST_KEEPUNDO, 1200};
  constexpr size_t kTextOffset = (sizeof settings + 15) / 16 * 16;
  std::vector<unsigned char> block(kTextOffset + (text.size() + 1) * sizeof(wchar_t), 0);
  std::memcpy(block.data(), &settings, sizeof settings);
  std::memcpy(block.data() + kTextOffset, text.c_str(), (text.size() + 1) * sizeof(wchar_t));

  bool done = false;
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote) {
    bool keep = false;
    if (WriteProcessMemory(process, remote, block.data(), block.size(), nullptr)) {
      auto* base = static_cast<unsigned char*>(remote);
      DWORD_PTR answer = 0;
      switch (Send(window, EM_SETTEXTEX, reinterpret_cast<WPARAM>(base), reinterpret_cast<LPARAM>(base + kTextOffset),
                   &answer)) {
        case Sent::Answered:
          done = answer != 0;
          break;
        case Sent::TimedOut:
          // The message may still be handled once the program answers again
          // (Windows does so, Wine drops it): the block is left in place
          // rather than freed under the box, and the text is not sent a
          // second way, which could double it.
          keep = true;
          done = true;
          break;
        case Sent::Failed:
          break;
      }
    }
    if (!keep) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return done;
}

class Win32WindowMessages final : public WindowMessages {
 public:
  void ReplaceSelection(std::uintptr_t handle, const std::string& text) override {
    HWND window = reinterpret_cast<HWND>(handle);
    if (!window || !IsWindow(window)) return;
    const std::wstring wide = ui::Wide(text);
    if (IsRichEdit(window) && SetSelectionTextInProcess(window, wide)) return;
    // A Unicode box receives the text as it is; the system carries it to the
    // other process and converts it for an ANSI box as well as it can.
    Send(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  }

  void ClickButton(std::uintptr_t handle) override {
    HWND window = reinterpret_cast<HWND>(handle);
    if (!window || !IsWindow(window)) return;
    Send(window, BM_CLICK, 0, 0);
  }
};

}  // namespace

std::unique_ptr<WindowMessages> CreateWindowMessages() { return std::make_unique<Win32WindowMessages>(); }

}  // namespace voz::core::win
