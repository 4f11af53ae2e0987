#include "platform/files/MemoryFileSystem.h"

namespace voz::files {

std::optional<std::string> MemoryFileSystem::ReadAll(const std::string& path) {
  ++reads;
  const auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return it->second;
}

std::optional<FileStamp> MemoryFileSystem::Stat(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return FileStamp{it->second.size(), modified_[path]};
}

bool MemoryFileSystem::Exists(const std::string& path) { return files.count(path) != 0; }

bool MemoryFileSystem::IsReadOnly(const std::string& path) {
  return files.count(path) != 0 && readOnly.count(path) != 0;
}

bool MemoryFileSystem::InMissingFolder(const std::string& path) const {
  for (const auto& prefix : missingFolders) {
    if (path.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

bool MemoryFileSystem::Step() {
  if (crashed) return false;
  return true;
}

size_t MemoryFileSystem::UsedBytes() const {
  size_t total = 0;
  for (const auto& [path, data] : files) total += data.size();
  return total;
}

bool MemoryFileSystem::WriteDurable(const std::string& path, std::string_view data) {
  if (!Step()) return false;
  const int step = steps++;
  if (InMissingFolder(path) || readOnly.count(path) != 0) return false;
  const size_t old = files.count(path) ? files[path].size() : 0;
  if (capacity && UsedBytes() - old + data.size() > *capacity) {
    // A full disk keeps what fitted; the caller must not trust the file.
    files[path] = std::string(data.substr(0, *capacity - (UsedBytes() - old)));
    modified_[path] = ++clock_;
    return false;
  }
  if (crashAtStep && step == *crashAtStep) {
    files[path] = std::string(data.substr(0, std::min(crashPartialBytes, data.size())));
    modified_[path] = ++clock_;
    crashed = true;
    return false;
  }
  files[path] = std::string(data);
  modified_[path] = ++clock_;
  return true;
}

bool MemoryFileSystem::ReplaceDurable(const std::string& source, const std::string& target) {
  if (!Step()) return false;
  const int step = steps++;
  if (crashAtStep && step == *crashAtStep) {
    // The machine stops before the rename reaches the disk.
    crashed = true;
    return false;
  }
  const auto it = files.find(source);
  if (it == files.end() || InMissingFolder(target) || readOnly.count(target) != 0) return false;
  files[target] = std::move(it->second);
  files.erase(it);
  modified_[target] = ++clock_;
  return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
  if (!Step()) return false;
  const int step = steps++;
  if (crashAtStep && step == *crashAtStep) {
    crashed = true;
    return false;
  }
  return files.erase(path) != 0;
}

void MemoryFileSystem::Reboot() {
  crashed = false;
  crashAtStep.reset();
}

}  // namespace voz::files
