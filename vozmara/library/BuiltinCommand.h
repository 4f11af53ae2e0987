// The built-in commands: records 1 to 43 of the library, type 内置命令. What
// a built-in does is fixed by its record number, never by a field, so this
// one table is the whole mapping from number to action.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace voz::library {

// X(record, name, description of the action), in record order.
#define VOZ_BUILTIN_COMMANDS(X)                                                              \
  X(1, ShowCommandList, "show the echo box and the command list")                           \
  X(2, HideCommandList, "hide the echo box and the command list")                           \
  X(3, ModeVoiceTyping, "switch to the mode 语音打字")                                      \
  X(4, ModeVoiceControl, "switch to the mode 语音控制")                                     \
  X(5, ModeMixed, "switch to the mode 混合模式")                                            \
  X(6, PauseControl, "pause voice control")                                                 \
  X(7, ResumeControl, "resume voice control, only while paused")                            \
  X(8, StopControl, "stop voice control")                                                   \
  X(9, ToggleWindow, "show the main window when hidden, else hide it")                      \
  X(10, ToggleWindowSecond, "show the main window when hidden, else hide it")               \
  X(11, ExitProgram, "end the program")                                                     \
  X(12, ScreenCapture, "run the screen capture tool")                                       \
  X(13, OpenReadAloud, "open the read-aloud window")                                        \
  X(14, OpenChat, "open the chat with the computer")                                        \
  X(15, OpenDictionary, "open the online dictionary window")                                \
  X(16, ToggleNewsStrip, "switch the news strip on or off")                                 \
  X(17, NoAction, "none; the position is reserved")                                         \
  X(18, OpenTodayInHistory, "open the history-of-the-day window")                           \
  X(19, ToggleRecording, "start recording, or stop it while recording")                     \
  X(20, ToggleRecordingSecond, "start recording, or stop it while recording")               \
  X(21, OpenTranslation, "open the translation window")                                     \
  X(22, OpenWeather, "open the weather window")                                             \
  X(23, OpenCalendar, "open the calendar window")                                           \
  X(24, NextSkin, "show the next skin picture")                                             \
  X(25, ScreenSnapshot, "save a snapshot of the whole screen to the desktop")               \
  X(26, NewMail, "open a new message in the default mail program")                          \
  X(27, ForcedShutdown, "shut the computer down, after confirmation")                       \
  X(28, ForcedRestart, "restart the computer, after confirmation")                          \
  X(29, ForcedLogOff, "log the user off, after confirmation")                               \
  X(30, ForcedStandBy, "put the computer on stand-by, after confirmation")                  \
  X(31, Mute, "mute the system volume")                                                     \
  X(32, Unmute, "unmute the system volume")                                                 \
  X(33, MinimizeAllWindows, "minimise every window, showing the desktop")                   \
  X(34, RestoreAllWindows, "restore the windows that 33 minimised")                         \
  X(35, ToggleAlwaysOnTop, "keep the main window on top, or stop keeping it there")         \
  X(36, OpenWithDialog, "show the system's open-with dialog")                               \
  X(37, InternetOptions, "open the internet options")                                       \
  X(38, OpenFavorites, "open the Favorites folder")                                         \
  X(39, ClearHistory, "clear the history records and speak the result")                     \
  X(40, DeleteTemporaryFiles, "delete the temporary files and speak the result")            \
  X(41, VolumeUp, "system volume up one step")                                              \
  X(42, VolumeDown, "system volume down one step")                                          \
  X(43, PressChatSend, "press the chat program's send button while QQ chat is on")

// The value is the record number.
enum class BuiltinCommand : int {
#define VOZ_BUILTIN_ENUM(record, name, description) name = record,
  VOZ_BUILTIN_COMMANDS(VOZ_BUILTIN_ENUM)
#undef VOZ_BUILTIN_ENUM
};

inline constexpr int kBuiltinCommandCount = 43;

struct BuiltinCommandInfo {
  int record = 0;
  BuiltinCommand command{};
  std::string_view name;         // the enumerator's name
  std::string_view description;  // what the action does
};

// All built-ins in record order: entry i - 1 is record i.
std::span<const BuiltinCommandInfo> BuiltinCommands();
// The built-in of a record number; nothing outside 1..43.
std::optional<BuiltinCommand> BuiltinAt(int record);
const BuiltinCommandInfo& BuiltinInfo(BuiltinCommand command);

}  // namespace voz::library
