#include "vozmara/core/win/RangeDialog_win.h"

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {

namespace {

class Win32RangeDialog final : public RangeDialog {
 public:
  Win32RangeDialog(HWND owner, HINSTANCE instance, Settings& settings)
      : owner_(owner), instance_(instance), settings_(settings) {}

  bool Run() override {
    ui::Win32Window window(range::RangeWindowDesign());
    window_ = &window;
    stored_ = false;
    done_ = false;
    if (!window.Create(instance_, &Win32RangeDialog::Procedure, this, nullptr)) return false;
    HWND hwnd = window.Handle();
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
    dialogs_ = CreateDialogs(hwnd, instance_);
    range::RangeWindowCreated(window, settings_);
    CenterOnOwner(hwnd);

    EnableWindow(owner_, FALSE);
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(window.Control(range::编辑框1));
    bool quit = false;
    int quitCode = 0;
    MSG message;
    while (!done_) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got <= 0) {
        // The program is ending: leave the loop and hand the quit on to the main loop.
        quit = got == 0;
        quitCode = static_cast<int>(message.wParam);
        break;
      }
      if (!IsDialogMessageW(hwnd, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    EnableWindow(owner_, TRUE);
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    SetForegroundWindow(owner_);
    dialogs_.reset();
    window_ = nullptr;
    if (quit) PostQuitMessage(quitCode);
    return stored_;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32RangeDialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->window_ && self->dialogs_) {
      LRESULT handled = 0;
      if (self->window_->HandleMessage(message, wParam, lParam, handled)) return handled;
      switch (message) {
        case WM_COMMAND:
          if (LOWORD(wParam) == range::按钮1 && HIWORD(wParam) == BN_CLICKED) {
            if (range::RangeOkClicked(*self->window_, self->settings_, *self->dialogs_)) {
              self->stored_ = true;
              self->done_ = true;
            }
            return 0;
          }
          break;
        case WM_CLOSE:  // the title bar: nothing is written
          self->done_ = true;
          return 0;
        default:
          break;
      }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  void CenterOnOwner(HWND hwnd) const {
    RECT owner{}, own{};
    GetWindowRect(owner_, &owner);
    GetWindowRect(hwnd, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(hwnd, nullptr, owner.left + (owner.right - owner.left - width) / 2,
                 owner.top + (owner.bottom - owner.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }

  HWND owner_;
  HINSTANCE instance_;
  Settings& settings_;
  ui::Win32Window* window_ = nullptr;
  std::unique_ptr<Dialogs> dialogs_;
  bool stored_ = false;
  bool done_ = false;
};

}  // namespace

std::unique_ptr<RangeDialog> CreateRangeDialog(HWND owner, HINSTANCE instance, Settings& settings) {
  return std::make_unique<Win32RangeDialog>(owner, instance, settings);
}

}  // namespace voz::core::win
