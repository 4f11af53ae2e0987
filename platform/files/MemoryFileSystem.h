// An in-memory FileSystem for unit tests. It can also play the failures a
// real disk has: a missing folder, a read-only file, a full disk, and a crash
// at any step of a write (the machine stops; what was written so far stays).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/files/FileSystem.h"

namespace voz::files {

class MemoryFileSystem final : public FileSystem {
 public:
  // The disk: path -> bytes.
  std::map<std::string, std::string> files;
  std::set<std::string> readOnly;
  // Paths under these prefixes are in folders that do not exist.
  std::set<std::string> missingFolders;
  // A write that would make the disk hold more bytes than this fails.
  std::optional<size_t> capacity;

  // Crash simulation: mutating step number `crashAtStep` (counted from 0) is
  // the last; a WriteDurable then leaves its first `crashPartialBytes` bytes.
  // Afterwards every mutating call fails and changes nothing.
  std::optional<int> crashAtStep;
  size_t crashPartialBytes = 0;
  bool crashed = false;
  int steps = 0;  // mutating calls made so far

  // Counts reads, so tests can see that a cache is used.
  int reads = 0;

  std::optional<std::string> ReadAll(const std::string& path) override;
  std::optional<FileStamp> Stat(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  bool WriteDurable(const std::string& path, std::string_view data) override;
  bool ReplaceDurable(const std::string& source, const std::string& target) override;
  bool Remove(const std::string& path) override;

  // Makes the machine run again after a crash, keeping the disk.
  void Reboot();

 private:
  bool InMissingFolder(const std::string& path) const;
  // Counts the step; false when the machine has stopped or stops now.
  bool Step();
  size_t UsedBytes() const;
  std::map<std::string, std::int64_t> modified_;
  std::int64_t clock_ = 0;
};

}  // namespace voz::files
