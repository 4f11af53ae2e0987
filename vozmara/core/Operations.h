// The operations behind menu entries and built-in commands. The main window
// wires its own; the companion tools register theirs under the same ids, so
// a menu entry and a built-in command call one and the same operation.
#pragma once

#include <functional>
#include <map>

#include "vozmara/core/MainContext.h"

namespace voz::core {

using Operation = std::function<void(MainContext&)>;

class Operations {
 public:
  void Register(int menuId, Operation operation) { operations_[menuId] = std::move(operation); }
  bool Has(int menuId) const { return operations_.count(menuId) != 0; }
  // Runs the operation of a menu entry; false when nothing is attached to it.
  bool Run(int menuId, MainContext& c) const {
    const auto it = operations_.find(menuId);
    if (it == operations_.end()) return false;
    it->second(c);
    return true;
  }

 private:
  std::map<int, Operation> operations_;
};

// Built-in command 22 opens the weather window at once, without the
// connection test of the menu entry: its own operation id.
inline constexpr int kOpenWeatherAtOnce = -22;

// The operations of the main window itself: control, window, training, the
// engine download window.
void RegisterMainWindowOperations(Operations& operations);

}  // namespace voz::core
