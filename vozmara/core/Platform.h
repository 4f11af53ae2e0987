// What Vozmara's main-window logic needs from the platform, as small
// interfaces: Win32 adapters implement them in the program, fakes in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voz::core {

enum class MessageIcon { None, Information, Warning, Error, Question };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box with an OK button. An empty title is the system's default title.
  virtual void Message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // The engine download hint window.
  virtual void OpenEngineDownload(bool modal) = 0;
};

class ProcessList {
 public:
  virtual ~ProcessList() = default;
  // The executable file name of every running process, as stored on disk.
  virtual std::vector<std::string> ExecutableNames() = 0;
};

// The system master volume as a pair of channel levels on a 0..Maximum() scale.
class SystemVolume {
 public:
  virtual ~SystemVolume() = default;
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual unsigned Maximum() = 0;
  virtual bool Read(unsigned& left, unsigned& right) = 0;
  virtual bool Write(unsigned left, unsigned right) = 0;
};

enum class TrayIconKind { Idle, Active };

class Tray {
 public:
  virtual ~Tray() = default;
  virtual void Show(TrayIconKind icon, const std::string& tip) = 0;  // adds or updates
  virtual void Remove() = 0;
};

struct PointedWindow {
  std::uintptr_t handle = 0;
  std::string className;
  std::string title;
};

class PointerWindows {
 public:
  virtual ~PointerWindows() = default;
  // The window under the mouse pointer (the deepest child).
  virtual PointedWindow UnderPointer() = 0;
};

// One INI file ("参数.ini"): a missing file, section or key reads as "".
class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string Read(const std::string& section, const std::string& key) = 0;
  virtual bool Write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The running program itself.
class Program {
 public:
  virtual ~Program() = default;
  virtual std::string ExecutableFileName() = 0;  // e.g. "Vozmara V9.0.exe"
  virtual std::string Directory() = 0;           // without a trailing backslash
  virtual void Quit() = 0;                       // ends the event loop
};

// The main window's picture box and the things only the real window can do.
class MainWindowExtras {
 public:
  virtual ~MainWindowExtras() = default;
  // Makes the bytes (a JPEG, GIF or BMP file) the skin picture; false keeps the old one.
  virtual bool SetSkinPicture(const std::string& bytes) = 0;
  // Turns on the desktop theme's visual style for the window's controls.
  virtual void EnableVisualStyles() = 0;
  // Starts the recording waveform display.
  virtual void StartWaveform() = 0;
  // Pops up the first top-level menu at the mouse pointer.
  virtual void PopUpControlMenu() = 0;
  // The window's native handle, for dialogs it owns (HWND on Windows).
  virtual void* NativeHandle() = 0;
};

}  // namespace voz::core
