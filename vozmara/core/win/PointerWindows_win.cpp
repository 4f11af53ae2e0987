// The window under the mouse pointer, down to the deepest child control.
#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {

namespace {

std::string ClassName(HWND hwnd) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(hwnd, name, 256);
  return length > 0 ? ui::Narrow(std::wstring_view(name, static_cast<size_t>(length))) : std::string();
}

std::string Title(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, buffer.data(), length + 1);
  buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return ui::Narrow(buffer);
}

class Win32PointerWindows final : public PointerWindows {
 public:
  PointedWindow UnderPointer() override {
    POINT screen{};
    if (!GetCursorPos(&screen)) return {};
    HWND hwnd = WindowFromPoint(screen);
    // WindowFromPoint stops above a disabled child (a send button greyed
    // while the input is empty); walk down to it.
    for (int depth = 0; hwnd && depth < 64; ++depth) {
      POINT client = screen;
      if (!ScreenToClient(hwnd, &client)) break;
      HWND child = RealChildWindowFromPoint(hwnd, client);
      if (!child || child == hwnd || !IsWindowVisible(child)) break;
      hwnd = child;
    }
    if (!hwnd) return {};
    PointedWindow result;
    result.handle = reinterpret_cast<std::uintptr_t>(hwnd);
    result.className = ClassName(hwnd);
    result.title = Title(hwnd);
    return result;
  }
};

}  // namespace

std::unique_ptr<PointerWindows> CreatePointerWindows() { return std::make_unique<Win32PointerWindows>(); }

}  // namespace voz::core::win
