// In-memory Controls for unit tests, starting from a window's design.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Design.h"

namespace voz::ui {

class FakeControls final : public Controls {
 public:
  explicit FakeControls(const WindowDesign& design);

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

  // Test knobs.
  int focused = -1;  // id of the control with the keyboard focus
  int height = 0;

 private:
  struct Control {
    std::string text;
    bool checked = false, visible = true, enabled = true;
    std::vector<std::string> items;
    int selection = -1;
    int position = 0, maximum = 0, interval = 0;
  };
  struct Menu {
    std::string caption;
    bool enabled = true, checked = false, visible = true;
  };
  Control& At(int id);
  const Control& At(int id) const;
  Menu& MenuAt(int id);
  const Menu& MenuAt(int id) const;

  std::map<int, Control> controls_;
  std::map<int, Menu> menus_;
  Point position_;
  bool topMost_ = false;
};

}  // namespace voz::ui
