// A top-level window of the program under test, read and driven by control
// id: texts, check marks, list boxes, status-bar parts, the slider, the
// menu bar (through the program's report) and menu commands.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/MenuTree.h"
#include "tests/e2e/driver/Window.h"

namespace voz::e2e {

class AppWindow {
 public:
  AppWindow() = default;
  AppWindow(Hwnd window, unsigned long pid) : window_(window), pid_(pid) {}

  Hwnd Handle() const { return window_; }
  bool Valid() const { return IsAlive(window_); }

  std::string Caption() const { return WindowText(window_); }
  bool Shown() const { return IsShown(window_); }
  bool TopMost() const;
  Rect Bounds() const { return ScreenRect(window_); }
  void MoveTo(int left, int top) const;

  // Controls by id; a missing control reads as empty, false or -1.
  Hwnd Control(int id) const;
  std::string Text(int id) const;
  bool Checked(int id) const;  // BM_GETCHECK
  bool Shown(int id) const;
  bool Enabled(int id) const;
  int ListCount(int id) const;
  int ListSelection(int id) const;
  std::string ListRow(int id, int row) const;
  std::vector<std::string> ListRows(int id) const;
  std::vector<std::string> StatusParts(int id) const;
  std::string StatusPart(int id, int part) const;
  int SliderPosition(int id) const;
  // Sets the slider and notifies its parent as a drag that ended there would.
  bool DragSlider(int id, int position) const;
  // A click on a button or check box, posted so a message box it opens does
  // not block the bench.
  bool Click(int id) const;

  // A menu command, posted as the menu would send it.
  bool Command(int menuId) const;
  // The menu bar, written by the program into `reportFile`; nullopt with a
  // reason in `error` when the program did not answer or the file is not a
  // report.
  std::optional<MenuTree> Menus(const std::wstring& reportFile, std::string* error) const;

 private:
  Hwnd window_ = nullptr;
  unsigned long pid_ = 0;
  // Controls found so far: a search walks every child through the server.
  mutable std::map<int, Hwnd> controls_;
};

}  // namespace voz::e2e
