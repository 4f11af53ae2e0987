// POSIX file system: durable writes with fsync of the file and its folder.
#include "platform/files/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voz::files {

namespace {

std::string ParentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

class PosixFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string data;
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        ::close(fd);
        return std::nullopt;
      }
      if (n == 0) break;
      data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
  }

  std::optional<FileStamp> Stat(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
  }

  bool Exists(const std::string& path) override {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
  }

  bool IsReadOnly(const std::string& path) override {
    struct stat st {};
    // The owner's write bit, not access(): tests and services often run as root.
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
  }

  bool WriteDurable(const std::string& path, std::string_view data) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        ::close(fd);
        return false;
      }
      done += static_cast<size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
  }

  bool ReplaceDurable(const std::string& source, const std::string& target) override {
    if (::rename(source.c_str(), target.c_str()) != 0) return false;
    return SyncFolder(ParentFolder(target));
  }

  bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

}  // namespace voz::files
