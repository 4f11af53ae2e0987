// Reading and writing single items of the programs' INI files ("参数.ini",
// "天气预报城市.ini") with Windows' semantics (IniDocument.h, IniEdit.h).
// Texts and paths are UTF-8. A missing file, section or key reads as "".
//
// Reads come from a parsed copy of each file. The copy is checked against
// the file's size and modification time (FileSystem::Stat) before a read,
// but a check is trusted for `recheckAfter` (5 ms by default), so a burst of
// reads, such as a window reading its settings, costs one Stat: under Wine a
// Stat costs as much as a hundred lookups. A change by another program is
// seen by the first read after that interval; a write through any IniFiles
// of this process is seen by the next read of every IniFiles at once.
// Tests that change a MemoryFileSystem's files behind an IniFiles should set
// recheckAfter to zero (or pass a clock they control).
//
// Writes read the file afresh, change only what they must and replace the
// file with files::WriteFileAtomically, so a failed write (folder missing,
// read-only file, full disk, crash) leaves the old file as it was.
//
// One thread at a time, like the programs' window threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"

namespace voz::ini {

enum class IniWriteStatus {
  kWritten,    // the file now holds the value
  kUnchanged,  // it already did; the file was not touched
  kRefused,    // the item cannot be stored so that it reads back (IniEdit.h)
  kFailed,     // the file could not be read or replaced; it is as it was
};

class IniFiles {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  struct Options {
    std::chrono::steady_clock::duration recheckAfter = std::chrono::milliseconds(5);
    Clock clock;  // steady_clock::now when empty
  };

  explicit IniFiles(files::FileSystem& fs);
  IniFiles(files::FileSystem& fs, Options options);

  std::string Read(const std::string& path, std::string_view section, std::string_view key);
  // The value as a number (IniTextToNumber) and as an on/off flag (IsIniOn).
  double ReadNumber(const std::string& path, std::string_view section, std::string_view key);
  bool ReadFlag(const std::string& path, std::string_view section, std::string_view key);

  // True when the file holds the value afterwards (written or already there).
  bool Write(const std::string& path, std::string_view section, std::string_view key, std::string_view value);
  // The same, telling why a write did not happen.
  IniWriteStatus WriteItem(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value);

 private:
  struct Cached {
    std::optional<IniDocument> doc;  // none: no such file
    std::optional<files::FileStamp> stamp;
    std::chrono::steady_clock::time_point checked;
    std::uint64_t writes = 0;  // process-wide write count at the check
    bool valid = false;
  };

  // The current parse of the file, or null when there is no file.
  const IniDocument* Current(const std::string& path);
  void Remember(const std::string& path, IniDocument doc);
  std::chrono::steady_clock::time_point Now() const;

  files::FileSystem& fs_;
  Options options_;
  std::unordered_map<std::string, Cached> cache_;
};

}  // namespace voz::ini
