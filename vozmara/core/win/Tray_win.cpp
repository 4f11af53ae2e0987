// The tray icon.
//
// When Explorer restarts it forgets every tray icon and broadcasts the
// registered message RegisterWindowMessageW(L"TaskbarCreated"). The owner
// window answers it by calling Show again with the current icon and tip:
// the update then fails and Show adds the icon anew.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {

namespace {

constexpr UINT kIconId = 1;

class Win32Tray final : public Tray {
 public:
  Win32Tray(HWND owner, UINT callbackMessage, HICON idle, HICON active)
      : owner_(owner), callbackMessage_(callbackMessage), idle_(idle), active_(active) {}
  ~Win32Tray() override { Remove(); }

  void Show(TrayIconKind icon, const std::string& tip) override {
    NOTIFYICONDATAW data = Data();
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon == TrayIconKind::Active ? active_ : idle_;
    CopyTip(tip, data.szTip, sizeof data.szTip / sizeof data.szTip[0]);
    if (shown_ && Shell_NotifyIconW(NIM_MODIFY, &data)) return;
    shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  }

  void Remove() override {
    if (!shown_) return;
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
  }

 private:
  NOTIFYICONDATAW Data() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIconId;
    return data;
  }

  // Copies as much of the tip as fits, never half a surrogate pair.
  static void CopyTip(const std::string& tip, wchar_t* field, size_t capacity) {
    const std::wstring wide = ui::Wide(tip);
    size_t length = wide.size() < capacity - 1 ? wide.size() : capacity - 1;
    if (length < wide.size() && length > 0 && wide[length - 1] >= 0xD800 && wide[length - 1] <= 0xDBFF) --length;
    std::wmemcpy(field, wide.data(), length);
    field[length] = L'\0';
  }

  HWND owner_;
  UINT callbackMessage_;
  HICON idle_;
  HICON active_;
  bool shown_ = false;
};

}  // namespace

std::unique_ptr<Tray> CreateTray(HWND owner, UINT callbackMessage, HICON idle, HICON active) {
  return std::make_unique<Win32Tray>(owner, callbackMessage, idle, active);
}

}  // namespace voz::core::win
