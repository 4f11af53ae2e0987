// Clipboard text as CF_UNICODETEXT; the system derives the ANSI formats from
// it for programs that ask for those.
#include <windows.h>

#include <cstring>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

// Another program may hold the clipboard for a moment (a clipboard viewer
// reading it); waiting longer would stall the window thread.
constexpr int kOpenAttempts = 25;
constexpr DWORD kOpenPause = 20;  // ms

class Win32Clipboard final : public Clipboard {
 public:
  Win32Clipboard() {
    // EmptyClipboard makes the window that opened the clipboard its owner; a
    // message-only window of our own keeps that from being no window at all.
    owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
  }
  ~Win32Clipboard() override {
    if (owner_) DestroyWindow(owner_);
  }
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  bool SetText(const std::string& text) override {
    const std::wstring wide = ui::Wide(text);
    const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    void* target = GlobalLock(memory);
    if (!target) {
      GlobalFree(memory);
      return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);

    if (!Open()) {
      GlobalFree(memory);
      return false;
    }
    bool done = false;
    if (EmptyClipboard()) done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!done) GlobalFree(memory);  // the clipboard owns it only on success
    return done;
  }

 private:
  bool Open() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
      if (OpenClipboard(owner_)) return true;
      Sleep(kOpenPause);
    }
    return false;
  }

  HWND owner_ = nullptr;
};

}  // namespace

std::unique_ptr<Clipboard> CreateClipboard() { return std::make_unique<Win32Clipboard>(); }

}  // namespace voz::core::win
