// The Win32 adapters behind the main window's platform interfaces.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "vozmara/core/Platform.h"

namespace voz::core::win {

// Shell_NotifyIcon with the program's two icons. Mouse events arrive at
// `owner` as `callbackMessage` with the mouse message in lParam.
std::unique_ptr<Tray> CreateTray(HWND owner, UINT callbackMessage, HICON idle, HICON active);

// The master volume: Core Audio's endpoint volume (left and right channel),
// else the winmm mixer's master volume (as under Wine), on a 0..65535 scale.
std::unique_ptr<SystemVolume> CreateSystemVolume();

// The running processes' executable names (Toolhelp).
std::unique_ptr<ProcessList> CreateProcessList();

// The window under the mouse pointer, with its class name and title.
std::unique_ptr<PointerWindows> CreatePointerWindows();

// Message boxes owned by `owner`, and the engine download window.
std::unique_ptr<Dialogs> CreateDialogs(HWND owner, HINSTANCE instance);

// Decodes a JPEG, PNG, GIF or BMP file's bytes into a device-independent
// bitmap the size of the picture (Windows Imaging Component). Null on failure.
HBITMAP DecodePicture(const std::string& bytes);
// A picture kept as a resource of the program (type RCDATA).
std::string ResourceBytes(HINSTANCE instance, int id);

}  // namespace voz::core::win
