#include "vozmara/core/Dispatch.h"

#include "vozmara/core/CommandActions.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/library/BuiltinCommand.h"
#include "vozmara/library/CommandFields.h"

namespace voz::core {

namespace {

using library::BuiltinCommand;

constexpr int Position(BuiltinCommand command) { return static_cast<int>(command); }

bool EntryIs(const MainContext& c, BuiltinCommand command, const std::string& phrase) {
  return c.library.Phrases().EntryEquals(Position(command), phrase);
}

void EchoCommand(MainContext& c, const std::string& phrase) { c.window.AppendText(EchoBox, "[" + phrase + "]\r\n"); }
void EchoTyped(MainContext& c, const std::string& phrase) { c.window.AppendText(EchoBox, phrase + "\r\n"); }
void SelectRow(MainContext& c, int row) { c.window.SetListSelection(CommandListBox, row); }

// Paste, unless the echo box has the focus: the phrase would land there twice.
void PasteUnlessEchoFocused(MainContext& c, const std::string& phrase) {
  if (!c.window.HasFocus(EchoBox)) PasteText(c, phrase);
}

bool NumberEntry(MainContext& c, const std::string& phrase) {
  const int rows = c.window.ListCount(CommandListBox);
  for (int row = 0; row < rows; ++row) {
    if (c.window.ListItem(CommandListBox, row) != phrase) continue;
    PasteUnlessEchoFocused(c, phrase);
    EchoTyped(c, phrase);
    return true;
  }
  return false;
}

void VoiceTyping(MainContext& c, const std::string& phrase) {
  if (EntryIs(c, BuiltinCommand::ModeVoiceControl, phrase)) {
    SetRecognitionMode(c, 语音控制单选框);
    SelectRow(c, Position(BuiltinCommand::ModeVoiceControl) - 1);
    EchoCommand(c, phrase);
  } else if (EntryIs(c, BuiltinCommand::ModeMixed, phrase)) {
    SetRecognitionMode(c, 混合模式单选框);
    SelectRow(c, Position(BuiltinCommand::ModeMixed) - 1);
    EchoCommand(c, phrase);
  } else if (EntryIs(c, BuiltinCommand::StopControl, phrase)) {
    EchoCommand(c, phrase);
    StopControl(c);
  } else if (c.window.Checked(ＱＱ聊天选择框)) {
    if (EntryIs(c, BuiltinCommand::PressChatSend, phrase)) {
      PressChatSend(c);
    } else {
      TypeIntoChat(c, phrase);
      EchoTyped(c, phrase);
    }
  } else {
    EchoTyped(c, phrase);
    PasteText(c, phrase);
  }
}

bool CommandLookup(MainContext& c, const std::string& phrase) {
  bool matched = false;
  const int records = c.library.RecordCount();
  for (int i = 1; i <= records; ++i) {
    if (!c.library.Phrases().EntryEquals(i, phrase)) continue;
    matched = true;
    EchoCommand(c, phrase);
    c.library.GoTo(i);
    SelectRow(c, i - 1);
    const int type = c.library.ReadNumber(library::field::命令类型);
    RunLibraryCommand(c, type, phrase);
    // Built-ins and unknown types let the rest of the list be compared.
    if (type >= 0 && type <= 4) break;
  }
  return matched;
}

void NothingMatched(MainContext& c, const std::string& phrase) {
  if (!c.window.Checked(混合模式单选框)) return;  // voice control, or no mode: dropped
  if (c.window.Checked(ＱＱ聊天选择框)) {
    TypeIntoChat(c, phrase);
  } else {
    PasteUnlessEchoFocused(c, phrase);
  }
  EchoTyped(c, phrase);
}

}  // namespace

namespace {

// Entry `position` of the phrase list, empty when the list is shorter.
std::string EntryAt(const MainContext& c, BuiltinCommand command) {
  const auto& entries = c.library.Phrases().entries;
  const size_t index = static_cast<size_t>(Position(command)) - 1;
  return index < entries.size() ? entries[index] : std::string();
}

}  // namespace

std::string PausePhrase(const MainContext& c) {
  return c.state.numberEntry.on ? c.state.numberEntry.pausePhrase : EntryAt(c, BuiltinCommand::PauseControl);
}

std::string ResumePhrase(const MainContext& c) {
  return c.state.numberEntry.on ? c.state.numberEntry.resumePhrase : EntryAt(c, BuiltinCommand::ResumeControl);
}

void DispatchPhrase(MainContext& c, const std::string& phrase) {
  // An empty remembered phrase (a short library) never matches.
  const std::string pause = PausePhrase(c);
  if (!pause.empty() && phrase == pause) {
    PauseControl(c);
    SelectRow(c, Position(BuiltinCommand::PauseControl) - 1);
    EchoCommand(c, phrase);
    return;
  }
  if (ControlStatusText(c.window) == kStatusPaused) {
    const std::string resume = ResumePhrase(c);
    if (!resume.empty() && phrase == resume) {
      ResumeControl(c);
      SelectRow(c, Position(BuiltinCommand::ResumeControl) - 1);
      EchoCommand(c, phrase);
    }
    return;
  }
  if (c.window.Checked(专录数字选择框)) {
    NumberEntry(c, phrase);
    return;
  }
  if (c.window.Checked(语音打字单选框)) {
    VoiceTyping(c, phrase);
    return;
  }
  if (CommandLookup(c, phrase)) return;
  NothingMatched(c, phrase);
}

}  // namespace voz::core
