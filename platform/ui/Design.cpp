#include "platform/ui/Design.h"

namespace voz::ui {

namespace {

const MenuDesign* FindIn(const std::vector<MenuDesign>& items, int id) {
  for (const auto& item : items) {
    if (item.id == id && id != 0) return &item;
    if (const MenuDesign* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

}  // namespace

const ControlDesign* WindowDesign::Find(int id) const {
  for (const auto& control : controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const MenuDesign* WindowDesign::FindMenu(int id) const { return FindIn(menuBar, id); }

}  // namespace voz::ui
