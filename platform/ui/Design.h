// A window described as data: its controls and its menu bar. The Win32
// builder creates the real window from a description, and the in-memory
// fake used by unit tests starts from the same description, so the design
// lives in exactly one place.
#pragma once

#include <string>
#include <vector>

namespace voz::ui {

enum class ControlKind {
  PictureBox,        // a picture; other controls may sit on it
  Edit,              // single-line edit box
  MultiLineEdit,     // multi-line edit box with a vertical scroll bar
  ReadOnlyEdit,      // multi-line, read-only
  ListBox,
  Label,
  TransparentLabel,  // a label drawn without a background
  GroupBox,
  RadioButton,       // the first radio button after a group box starts a group
  CheckBox,
  Button,
  StatusBar,
  Slider,
  ComboBox,          // drop-down list
  Hyperlink,         // a link the program opens; never shown
  WebBrowser,        // an embedded web page
  Timer,             // not a window: an interval owned by the window
};

struct ControlDesign {
  int id = 0;
  std::string name;     // the design name, e.g. "编辑框1"
  ControlKind kind = ControlKind::Label;
  int container = 0;    // id of the control it sits in (0 = the window); positions are relative to it
  int x = 0, y = 0, width = 0, height = 0;  // 0 size = the kind's natural size
  std::string text;     // caption, initial text, or a link's address
  bool visible = true;
  bool checked = false;
  bool enabled = true;
  std::string font;     // face name, empty = the window's font
  int fontSize = 0;     // points, 0 = the window's size
  // Slider: range, steps and position. Status bar: part widths (right edges, -1 = to the end).
  std::vector<int> numbers;
  // Status bar: the texts of the parts. Combo box / list box: the items.
  std::vector<std::string> items;
};

struct MenuDesign {
  int id = 0;            // 0 for separators and for pop-ups without a command of their own
  std::string caption;   // empty = separator
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  std::vector<MenuDesign> children;  // non-empty = a pop-up menu
  bool IsSeparator() const { return caption.empty() && children.empty(); }
};

struct WindowDesign {
  std::string className;  // Win32 window class of the window
  std::string caption;
  int width = 0, height = 0;  // outer size in pixels
  std::vector<ControlDesign> controls;
  std::vector<MenuDesign> menuBar;

  const ControlDesign* Find(int id) const;
  const MenuDesign* FindMenu(int id) const;
};

}  // namespace voz::ui
