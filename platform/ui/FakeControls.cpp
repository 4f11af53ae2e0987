#include "platform/ui/FakeControls.h"

#include <stdexcept>

namespace voz::ui {

namespace {

void AddMenus(const std::vector<MenuDesign>& items, auto& menus) {
  for (const auto& item : items) {
    if (item.id != 0) menus[item.id] = {item.caption, item.enabled, item.checked, item.visible};
    AddMenus(item.children, menus);
  }
}

}  // namespace

FakeControls::FakeControls(const WindowDesign& design) : height(design.height) {
  controls_[0] = Control{design.caption};
  for (const auto& c : design.controls) {
    Control control{c.text, c.checked, c.visible, c.enabled};
    if (c.kind == ControlKind::ListBox || c.kind == ControlKind::ComboBox || c.kind == ControlKind::StatusBar) {
      control.items = c.items;
    }
    if (c.kind == ControlKind::Slider && c.numbers.size() >= 5) {
      // minimum, maximum, page step, line step, position
      control.maximum = c.numbers[1];
      control.position = c.numbers[4];
    }
    controls_[c.id] = control;
  }
  AddMenus(design.menuBar, menus_);
}

// An id the design does not know is a programming error: fail the test loudly.
FakeControls::Control& FakeControls::At(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}
const FakeControls::Control& FakeControls::At(int id) const {
  auto it = controls_.find(id);
  if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}
FakeControls::Menu& FakeControls::MenuAt(int id) {
  auto it = menus_.find(id);
  if (it == menus_.end()) throw std::out_of_range("no menu " + std::to_string(id));
  return it->second;
}
const FakeControls::Menu& FakeControls::MenuAt(int id) const {
  auto it = menus_.find(id);
  if (it == menus_.end()) throw std::out_of_range("no menu " + std::to_string(id));
  return it->second;
}

std::string FakeControls::Text(int id) const { return At(id).text; }
void FakeControls::SetText(int id, std::string_view text) { At(id).text = std::string(text); }
void FakeControls::AppendText(int id, std::string_view text) { At(id).text += text; }
bool FakeControls::Checked(int id) const { return At(id).checked; }
void FakeControls::SetChecked(int id, bool checked) { At(id).checked = checked; }
bool FakeControls::Visible(int id) const { return At(id).visible; }
void FakeControls::SetVisible(int id, bool visible) { At(id).visible = visible; }
bool FakeControls::Enabled(int id) const { return At(id).enabled; }
void FakeControls::SetEnabled(int id, bool enabled) { At(id).enabled = enabled; }
bool FakeControls::HasFocus(int id) const { return focused == id; }

void FakeControls::ClearList(int id) {
  At(id).items.clear();
  At(id).selection = -1;
}
void FakeControls::AddListItem(int id, std::string_view text) { At(id).items.emplace_back(text); }
int FakeControls::ListCount(int id) const { return static_cast<int>(At(id).items.size()); }
std::string FakeControls::ListItem(int id, int index) const {
  const auto& items = At(id).items;
  return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}
int FakeControls::ListSelection(int id) const { return At(id).selection; }
void FakeControls::SetListSelection(int id, int index) {
  At(id).selection = index >= 0 && index < ListCount(id) ? index : -1;
}

int FakeControls::SliderPosition(int id) const { return At(id).position; }
void FakeControls::SetSliderPosition(int id, int position) {
  Control& c = At(id);
  c.position = position < 0 ? 0 : (position > c.maximum ? c.maximum : position);
}
int FakeControls::SliderMaximum(int id) const { return At(id).maximum; }

std::string FakeControls::StatusText(int id, int part) const {
  const auto& items = At(id).items;
  return part >= 0 && part < static_cast<int>(items.size()) ? items[part] : std::string();
}
void FakeControls::SetStatusText(int id, int part, std::string_view text) {
  auto& items = At(id).items;
  if (part < 0) return;
  if (static_cast<size_t>(part) >= items.size()) items.resize(part + 1);
  items[part] = std::string(text);
}

int FakeControls::TimerInterval(int id) const { return At(id).interval; }
void FakeControls::SetTimerInterval(int id, int milliseconds) { At(id).interval = milliseconds; }

std::string FakeControls::MenuCaption(int id) const { return MenuAt(id).caption; }
void FakeControls::SetMenuCaption(int id, std::string_view caption) { MenuAt(id).caption = std::string(caption); }
bool FakeControls::MenuEnabled(int id) const { return MenuAt(id).enabled; }
void FakeControls::SetMenuEnabled(int id, bool enabled) { MenuAt(id).enabled = enabled; }
bool FakeControls::MenuChecked(int id) const { return MenuAt(id).checked; }
void FakeControls::SetMenuChecked(int id, bool checked) { MenuAt(id).checked = checked; }
bool FakeControls::MenuVisible(int id) const { return MenuAt(id).visible; }
void FakeControls::SetMenuVisible(int id, bool visible) { MenuAt(id).visible = visible; }

Controls::Point FakeControls::Position() const { return position_; }
void FakeControls::MoveTo(Point topLeft) { position_ = topLeft; }
void FakeControls::SetHeight(int h) { height = h; }
bool FakeControls::TopMost() const { return topMost_; }
void FakeControls::SetTopMost(bool topMost) { topMost_ = topMost; }

}  // namespace voz::ui
