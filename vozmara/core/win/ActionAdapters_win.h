// The Win32 adapters behind the command actions' platform interfaces.
// They are made for the main window's thread: COM initialised there
// (apartment-threaded), as the program's entry point does.
#pragma once

#include <windows.h>

#include <memory>

#include "vozmara/core/ActionPlatform.h"

namespace voz::core::win {

// SendInput: keys with their extended-key flag; clicks at a screen point in
// physical pixels through an absolute move over the whole virtual screen.
std::unique_ptr<Input> CreateInput();

// CF_UNICODETEXT, waiting briefly while another program holds the clipboard.
std::unique_ptr<Clipboard> CreateClipboard();

// ShellExecuteW "open", CreateProcessW, the known folders, and the forced
// shutdown (ExitWindowsEx) and stand-by (SetSuspendState).
std::unique_ptr<Shell> CreateShell();

// Text into another program's edit box (rich edit boxes through memory in
// that program, so Chinese arrives whatever its code page) and button clicks;
// a dead or hung window costs at most a short wait.
std::unique_ptr<WindowMessages> CreateWindowMessages();

// History records, temporary files, minimize all and its undo, screen snapshot.
std::unique_ptr<SystemUtilities> CreateSystemUtilities();

// Yes/no message boxes owned by `owner` (none when it is null or gone).
std::unique_ptr<Questions> CreateQuestions(HWND owner);

// Mute of the default playback device: Core Audio, else the winmm mixer.
std::unique_ptr<MuteSwitch> CreateMuteSwitch();

}  // namespace voz::core::win
