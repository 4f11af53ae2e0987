// A hidden message-only window on the thread that creates it, so that SAPI
// can post its notifications into that thread's message loop. Windows only.
#pragma once

#include <windows.h>

#include <functional>

namespace voz::speech::win {

class MessageWindow {
 public:
  // The message that the window hands to its callback.
  static constexpr UINT kNotifyMessage = WM_APP + 0x5A1;

  MessageWindow() = default;
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;
  // Must run on the creating thread.
  ~MessageWindow();

  // Creates the window on the calling thread (once); false on failure.
  // `onNotify` runs for each kNotifyMessage; it may destroy this object.
  bool Create(std::function<void()> onNotify);
  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::function<void()> onNotify_;
};

}  // namespace voz::speech::win
