// What window logic needs from a live window: the state of its controls and
// menus, addressed by the ids of its WindowDesign. The Win32 adapter reads
// and writes the real controls; FakeControls keeps the state in memory.
//
// Much of the programs' state lives in the controls themselves (a caption, a
// check mark, an enabled flag), so logic reads it back from here.
#pragma once

#include <string>
#include <string_view>

namespace voz::ui {

class Controls {
 public:
  virtual ~Controls() = default;

  // Caption or text of a control; the window's caption for id 0.
  virtual std::string Text(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;
  // Appends to the end of an edit box, as a user's typing would.
  virtual void AppendText(int id, std::string_view text) = 0;

  virtual bool Checked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool Visible(int id) const = 0;  // the window itself for id 0
  virtual void SetVisible(int id, bool visible) = 0;
  virtual bool Enabled(int id) const = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;
  virtual bool HasFocus(int id) const = 0;

  // List boxes: rows, counted from 0.
  virtual void ClearList(int id) = 0;
  virtual void AddListItem(int id, std::string_view text) = 0;
  virtual int ListCount(int id) const = 0;
  virtual std::string ListItem(int id, int index) const = 0;
  virtual int ListSelection(int id) const = 0;  // -1 = none
  virtual void SetListSelection(int id, int index) = 0;

  // Sliders.
  virtual int SliderPosition(int id) const = 0;
  virtual void SetSliderPosition(int id, int position) = 0;
  virtual int SliderMaximum(int id) const = 0;

  // Status bars, parts counted from 0.
  virtual std::string StatusText(int id, int part) const = 0;
  virtual void SetStatusText(int id, int part, std::string_view text) = 0;

  // Timers: 0 stops.
  virtual int TimerInterval(int id) const = 0;
  virtual void SetTimerInterval(int id, int milliseconds) = 0;

  // Menu entries, by command id.
  virtual std::string MenuCaption(int id) const = 0;
  virtual void SetMenuCaption(int id, std::string_view caption) = 0;
  virtual bool MenuEnabled(int id) const = 0;
  virtual void SetMenuEnabled(int id, bool enabled) = 0;
  virtual bool MenuChecked(int id) const = 0;
  virtual void SetMenuChecked(int id, bool checked) = 0;
  virtual bool MenuVisible(int id) const = 0;
  virtual void SetMenuVisible(int id, bool visible) = 0;

  // The window itself.
  struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
  };
  virtual Point Position() const = 0;  // outer left and top edge, screen pixels
  virtual void MoveTo(Point topLeft) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool TopMost() const = 0;
  virtual void SetTopMost(bool topMost) = 0;
};

}  // namespace voz::ui
