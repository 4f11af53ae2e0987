// Reading and driving the windows of another process: finding them by
// process, class, title and control id, and the plain Win32 queries that
// cross process boundaries. Every message is sent with a time limit, so a
// hung program fails a test instead of hanging it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct HWND__;  // as <windows.h> declares it

namespace voz::e2e {

using Hwnd = HWND__*;

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  int CentreX() const { return (left + right) / 2; }
  int CentreY() const { return (top + bottom) / 2; }
};

// Top-level windows of process `pid`, hidden ones included. An empty class
// or title matches any.
std::vector<Hwnd> TopWindows(unsigned long pid, const std::wstring& className = L"",
                             const std::optional<std::wstring>& title = std::nullopt);
Hwnd FindTopWindow(unsigned long pid, const std::wstring& className,
                   const std::optional<std::wstring>& title = std::nullopt);

// Any descendant (not only a direct child) with that control id or class.
Hwnd FindDescendant(Hwnd parent, int controlId);
std::vector<Hwnd> DescendantsOfClass(Hwnd parent, const std::wstring& className);

bool IsAlive(Hwnd window);
std::wstring ClassName(Hwnd window);
std::string WindowText(Hwnd window);  // UTF-8, by WM_GETTEXT
bool IsShown(Hwnd window);            // IsWindowVisible
bool IsEnabled(Hwnd window);
long Style(Hwnd window);
long ExStyle(Hwnd window);
Rect ScreenRect(Hwnd window);
Hwnd Parent(Hwnd window);

// SendMessageTimeout; nullopt when the window did not answer in time.
std::optional<long long> Send(Hwnd window, unsigned message, unsigned long long wParam, long long lParam,
                              unsigned timeoutMs = 3000);
bool Post(Hwnd window, unsigned message, unsigned long long wParam, long long lParam);

// The window a mouse click at a screen point would reach first: the
// topmost visible window there, descending into children.
Hwnd WindowAt(int x, int y);

// Moves the mouse pointer to a screen point.
bool MovePointer(int x, int y);

}  // namespace voz::e2e
