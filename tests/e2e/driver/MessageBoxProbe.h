// Message boxes of a program under test: standard "#32770" dialogs with the
// text in the static control 0xFFFF. The icon is recognised by its pixels,
// because icon handles differ between processes.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/Window.h"

namespace voz::e2e {

enum class BoxIcon { None, Information, Warning, Error, Question, Unknown };
const char* BoxIconName(BoxIcon icon);

struct MessageBoxView {
  Hwnd handle = nullptr;
  std::string title;
  std::string text;
};

// The shown message boxes of process `pid`, with that title if given.
std::optional<MessageBoxView> FindMessageBox(unsigned long pid,
                                             const std::optional<std::string>& title = std::nullopt);
std::optional<MessageBoxView> WaitMessageBox(unsigned long pid,
                                             const std::optional<std::string>& title = std::nullopt,
                                             milliseconds timeout = kShortTimeout);

// The icon the box shows; Unknown when one is shown but is none of the four
// system icons.
BoxIcon MessageBoxIcon(Hwnd box);

// Presses a button (IDOK by default) and waits until the box is gone.
bool AnswerMessageBox(Hwnd box, int button = 1);

}  // namespace voz::e2e
