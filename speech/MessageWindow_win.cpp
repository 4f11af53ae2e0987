#include "speech/MessageWindowWin32.h"

namespace voz::speech::win {

namespace {

constexpr const WCHAR* kClassName = L"VozSpeechNotifyWindow";

bool RegisterOnce(WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MessageWindow::~MessageWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool MessageWindow::Create(std::function<void()> onNotify) {
  onNotify_ = std::move(onNotify);
  if (hwnd_ != nullptr) return true;
  if (!RegisterOnce(&MessageWindow::Procedure)) return false;
  hwnd_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                          this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK MessageWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == kNotifyMessage) {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && self->onNotify_) {
      // A copy: the callback may destroy `self`.
      const std::function<void()> onNotify = self->onNotify_;
      onNotify();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace voz::speech::win
