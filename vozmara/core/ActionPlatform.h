// What the command actions need from the platform: simulated input, the
// clipboard, the shell, messages to other programs' windows, the system
// utilities, yes/no questions and the mute switch. Win32 adapters implement
// these in the program; recording fakes in tests check exact key codes,
// click points and command lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voz::core {

enum class ClickKind { LeftSingle = 0, LeftDouble = 1, RightSingle = 2, RightDouble = 3 };

class Input {
 public:
  virtual ~Input() = default;
  // Presses the keys as one combination: down in the given order, up in reverse.
  virtual void PressKeys(const std::vector<int>& virtualKeys) = 0;
  // Clicks at a screen point, in physical pixels.
  virtual void Click(int x, int y, ClickKind kind) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool SetText(const std::string& text) = 0;
};

enum class ShutdownKind { PowerOff, Restart, LogOff, StandBy };

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, program, folder or web address with the shell.
  virtual void Open(const std::string& target) = 0;
  // Runs a command line without waiting for it.
  virtual void Run(const std::string& commandLine) = 0;
  virtual std::string DesktopFolder() = 0;
  virtual std::string FavoritesFolder() = 0;
  // Forced: running programs are not asked.
  virtual void Shutdown(ShutdownKind kind) = 0;
};

// Messages to other programs' windows; a handle of 0 reaches no window.
class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // Replaces the selection of an edit box (or inserts at its caret), undoably.
  virtual void ReplaceSelection(std::uintptr_t window, const std::string& text) = 0;
  virtual void ClickButton(std::uintptr_t window) = 0;
};

class SystemUtilities {
 public:
  virtual ~SystemUtilities() = default;
  virtual bool ClearHistory() = 0;
  virtual bool DeleteTemporaryFiles() = 0;
  virtual void MinimizeAllWindows() = 0;
  virtual void RestoreAllWindows() = 0;
  // Writes a picture of the whole screen to the path; true when the file exists.
  virtual bool ScreenSnapshot(const std::string& path) = 0;
};

class Questions {
 public:
  virtual ~Questions() = default;
  // A modal question with the buttons 是 and 否 and the question icon; true for 是.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
};

class MuteSwitch {
 public:
  virtual ~MuteSwitch() = default;
  virtual bool SetMute(bool muted) = 0;
};

struct ActionPlatform {
  Input& input;
  Clipboard& clipboard;
  Shell& shell;
  WindowMessages& messages;
  SystemUtilities& utilities;
  Questions& questions;
  MuteSwitch& mute;
};

}  // namespace voz::core
