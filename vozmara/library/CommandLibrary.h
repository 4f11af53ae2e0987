// The command library "命令库.edb" in the program directory, kept open
// through the record store for the life of the program, and the phrase list
// built from it.
//
// The store's current record is shared with the command editor: this class
// moves it (building the list, GoTo, ReadRecord) and never keeps a position
// of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "recordstore/RecordStore.h"
#include "vozmara/library/CommandRecord.h"
#include "vozmara/library/PhraseList.h"

namespace voz::library {

// The library's file name, appended to the program directory.
inline constexpr std::string_view kLibraryFileName = "\\命令库.edb";

// The program directory followed by "\命令库.edb", joined with a literal
// backslash as every data file of the program is addressed.
std::string CommandLibraryPath(std::string_view programDirectory);

class CommandLibrary {
 public:
  explicit CommandLibrary(recordstore::RecordStore& store);

  // Start-up: opens the library in the program directory and builds the
  // phrase list from it. A library that cannot be opened leaves the list
  // empty; the program goes on without commands.
  void Open(std::string_view programDirectory);

  // The check box 专录数字 was clicked: empties the list and closes the
  // library; when number-entry mode is now off, opens the library again and
  // rebuilds the list. While it is on, the caller fills the list with numbers.
  void SwitchNumberEntry(bool numberEntryOn);

  PhraseList& Phrases() { return phrases_; }
  const PhraseList& Phrases() const { return phrases_; }

  // Makes record n current; false outside 1..N (then no record is current).
  bool GoTo(int number);
  // The fields of the current record; missing fields read as 0 or empty
  // text, and so does everything while no record is current.
  CommandRecord ReadCurrent() const;
  // Goes to record n, then reads it; nothing outside 1..N.
  std::optional<CommandRecord> ReadRecord(int number);

  // One field of the current record: a number truncated toward zero to a
  // 32-bit integer, or text; 0 or empty text when it cannot be read.
  std::int32_t ReadNumber(std::string_view field) const;
  std::string ReadText(std::string_view field) const;

  int RecordCount() const { return store_.RecordCount(); }
  bool IsOpen() const { return store_.IsOpen(); }
  const std::string& Path() const { return path_; }
  recordstore::RecordStore& Store() { return store_; }

 private:
  void OpenAndBuild();

  recordstore::RecordStore& store_;
  std::string path_;
  PhraseList phrases_;
};

}  // namespace voz::library
