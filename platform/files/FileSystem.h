// The file operations the programs need, behind an interface so that the
// logic above it (INI files, the record store) runs against an in-memory
// fake in unit tests, including one that simulates a crash mid-write.
//
// Paths are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voz::files {

// What tells a changed file from an unchanged one.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // platform ticks; only compared for equality
  bool operator==(const FileStamp&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole file, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  virtual std::optional<FileStamp> Stat(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // True when the file exists and is marked read-only.
  virtual bool IsReadOnly(const std::string& path) = 0;

  // Creates or truncates `path`, writes `data` and flushes it to stable
  // storage before returning true.
  virtual bool WriteDurable(const std::string& path, std::string_view data) = 0;
  // Atomically puts `source` in place of `target` (which may exist) and makes
  // the change durable.
  virtual bool ReplaceDurable(const std::string& source, const std::string& target) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

// The machine's own file system (POSIX or Win32, chosen at build time).
FileSystem& RealFileSystem();

// Replaces the whole file so that, whatever moment a crash strikes, the file
// on disk is either the old one or the new one. Returns false, leaving the
// old file as it was, when the write cannot be done (folder missing,
// read-only file, disk full).
bool WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view data);

}  // namespace voz::files
