// PhraseList and the rows of CommandListBox: in command mode entry i - 1 and
// row i - 1 belong to library record i; in number-entry mode both hold the
// numbers of the range instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voz::library {

// The phrase of a record as the recognizer hears it: 语音命令 without any
// U+0020 space. Full-width spaces (U+3000) and tabs are kept: the list
// drops the plain space only, exactly as it appears between words typed in
// the editor.
std::string RemoveSpaces(std::string_view phrase);

struct PhraseList {
  std::vector<std::string> entries;  // what the recognizer listens for
  std::vector<std::string> rows;     // the rows of CommandListBox

  void Clear();
  // A command: the entry, and the row "[" + entry + "]".
  void AppendCommand(std::string entry);
  // A number of number-entry mode: entry and row alike, without brackets.
  void AppendNumber(std::string number);

  std::size_t Size() const { return entries.size(); }
  // True when entry `position` (from 1) exists and equals the phrase byte
  // for byte; a position beyond the list never matches.
  bool EntryEquals(int position, std::string_view phrase) const;
  // The record of the first entry equal to the phrase (entry k from 0
  // selects record k + 1); the lowest record wins when phrases repeat.
  std::optional<int> FindRecord(std::string_view phrase) const;
};

}  // namespace voz::library
