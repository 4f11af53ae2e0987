#include <windows.h>

#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/Window.h"

namespace voz::e2e {

namespace {

struct TopSearch {
  DWORD pid;
  const std::wstring* className;
  const std::optional<std::wstring>* title;
  std::vector<Hwnd> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search.pid) return TRUE;
  if (!search.className->empty() && ClassName(window) != *search.className) return TRUE;
  if (search.title->has_value() && Widen(WindowText(window)) != **search.title) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

struct ChildSearch {
  int id = 0;
  const std::wstring* className = nullptr;
  std::vector<Hwnd> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<ChildSearch*>(data);
  if (search.className != nullptr ? ClassName(window) == *search.className : GetDlgCtrlID(window) == search.id) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<Hwnd> TopWindows(unsigned long pid, const std::wstring& className,
                             const std::optional<std::wstring>& title) {
  TopSearch search{pid, &className, &title, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Hwnd FindTopWindow(unsigned long pid, const std::wstring& className, const std::optional<std::wstring>& title) {
  const auto found = TopWindows(pid, className, title);
  return found.empty() ? nullptr : found.front();
}

Hwnd FindDescendant(Hwnd parent, int controlId) {
  if (parent == nullptr) return nullptr;
  ChildSearch search;
  search.id = controlId;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

std::vector<Hwnd> DescendantsOfClass(Hwnd parent, const std::wstring& className) {
  if (parent == nullptr) return {};
  ChildSearch search;
  search.className = &className;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsAlive(Hwnd window) { return window != nullptr && IsWindow(window); }

std::wstring ClassName(Hwnd window) {
  wchar_t name[256] = {};
  const int n = GetClassNameW(window, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::string WindowText(Hwnd window) {
  const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  if (!length || *length <= 0) return {};
  std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied && *copied > 0 ? static_cast<size_t>(*copied) : 0);
  return Narrow(text);
}

bool IsShown(Hwnd window) { return IsWindowVisible(window) != FALSE; }
bool IsEnabled(Hwnd window) { return IsWindowEnabled(window) != FALSE; }
long Style(Hwnd window) { return GetWindowLongW(window, GWL_STYLE); }
long ExStyle(Hwnd window) { return GetWindowLongW(window, GWL_EXSTYLE); }
Hwnd Parent(Hwnd window) { return GetParent(window); }

Rect ScreenRect(Hwnd window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

std::optional<long long> Send(Hwnd window, unsigned message, unsigned long long wParam, long long lParam,
                              unsigned timeoutMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                           SMTO_ABORTIFHUNG | SMTO_NORMAL, timeoutMs, &result)) {
    return std::nullopt;
  }
  return static_cast<long long>(result);
}

bool Post(Hwnd window, unsigned message, unsigned long long wParam, long long lParam) {
  return PostMessageW(window, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)) != FALSE;
}

Hwnd WindowAt(int x, int y) { return WindowFromPoint(POINT{x, y}); }

bool MovePointer(int x, int y) { return SetCursorPos(x, y) != FALSE; }

}  // namespace voz::e2e
