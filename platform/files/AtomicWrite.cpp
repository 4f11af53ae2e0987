#include "platform/files/FileSystem.h"

#include <atomic>
#include <chrono>

namespace voz::files {

namespace {

// A sibling name that no other writer in this or another process picks.
std::string TemporarySibling(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return path + ".~" + std::to_string(ticks & 0xFFFFFF) + "-" + std::to_string(counter++) + ".tmp";
}

}  // namespace

bool WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view data) {
  // Renaming over a read-only file would succeed on POSIX; refuse it as Windows does.
  if (fs.IsReadOnly(path)) return false;
  const std::string temporary = TemporarySibling(path);
  if (!fs.WriteDurable(temporary, data)) {
    fs.Remove(temporary);
    return false;
  }
  if (!fs.ReplaceDurable(temporary, path)) {
    fs.Remove(temporary);
    return false;
  }
  return true;
}

}  // namespace voz::files
