// A real window built from a WindowDesign, and the Controls interface over
// it. The owner supplies the window procedure and forwards messages to
// HandleMessage first, which keeps menus, timers and colours working.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/Design.h"

namespace voz::ui {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

class Win32Window final : public Controls {
 public:
  explicit Win32Window(const WindowDesign& design);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Registers the class (once) and creates the window, hidden, with its
  // menu bar and every control. `userData` is stored for the window procedure.
  bool Create(HINSTANCE instance, WNDPROC procedure, void* userData, HICON icon);
  HWND Handle() const { return hwnd_; }
  HWND Control(int id) const;
  HMENU MenuBar() const { return menuBar_; }
  // The pop-up menu of the first top-level entry.
  HMENU FirstPopup() const;
  // Scales a design length by the window's DPI.
  int Scale(int length) const;

  // Paints the window's background (in client coordinates) into a DC; the
  // window's own erase and the transparent labels use it.
  std::function<void(HDC)> paintBackground;

  // Handles what the builder owns: the background and transparent labels. Returns true
  // and sets `result` when the message was handled.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The menu bar as lines "<depth>\t<id>\t<caption>\t<flags>" read from the
  // live menus (flags: S separator, P pop-up, G grayed, C checked).
  std::string DescribeMenus() const;

  // Controls
  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  void AppendText(int id, std::string_view text) override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  bool Visible(int id) const override;
  void SetVisible(int id, bool visible) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  bool HasFocus(int id) const override;
  void ClearList(int id) override;
  void AddListItem(int id, std::string_view text) override;
  int ListCount(int id) const override;
  std::string ListItem(int id, int index) const override;
  int ListSelection(int id) const override;
  void SetListSelection(int id, int index) override;
  int SliderPosition(int id) const override;
  void SetSliderPosition(int id, int position) override;
  int SliderMaximum(int id) const override;
  std::string StatusText(int id, int part) const override;
  void SetStatusText(int id, int part, std::string_view text) override;
  int TimerInterval(int id) const override;
  void SetTimerInterval(int id, int milliseconds) override;
  std::string MenuCaption(int id) const override;
  void SetMenuCaption(int id, std::string_view caption) override;
  bool MenuEnabled(int id) const override;
  void SetMenuEnabled(int id, bool enabled) override;
  bool MenuChecked(int id) const override;
  void SetMenuChecked(int id, bool checked) override;
  bool MenuVisible(int id) const override;
  void SetMenuVisible(int id, bool visible) override;
  Point Position() const override;
  void MoveTo(Point topLeft) override;
  void SetHeight(int height) override;
  bool TopMost() const override;
  void SetTopMost(bool topMost) override;

 private:
  struct MenuState {
    std::string caption;
    bool enabled = true, checked = false, visible = true;
  };
  void CreateControl(const ControlDesign& c);
  POINT Origin(const ControlDesign& c) const;
  HMENU BuildMenu(const std::vector<MenuDesign>& items, bool popup);
  void RebuildMenuBar();
  void DescribeMenu(HMENU menu, int depth, std::string& out) const;

  const WindowDesign& design_;
  HWND hwnd_ = nullptr;
  HMENU menuBar_ = nullptr;
  HFONT font_ = nullptr;
  std::map<int, HFONT> ownFonts_;
  std::map<int, MenuState> menus_;      // the model: visibility needs rebuilding the menus
  std::map<int, int> timers_;           // id -> interval
  std::map<int, std::string> links_;    // hyperlinks are not windows
  int dpi_ = 96;
};

}  // namespace voz::ui
