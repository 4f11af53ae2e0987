// Win32 file system: durable writes with FlushFileBuffers and a write-through
// replace.
#include "platform/files/FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/text/Encoding.h"

namespace voz::files {

namespace {

std::wstring Wide(const std::string& utf8) {
  const std::u16string u16 = text::Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

class HandleCloser {
 public:
  explicit HandleCloser(HANDLE h) : h_(h) {}
  ~HandleCloser() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;
  HANDLE get() const { return h_; }
  bool Close() {
    const bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

class Win32FileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    HandleCloser file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string data;
    char buffer[65536];
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
      if (got == 0) break;
      data.append(buffer, got);
    }
    return data;
  }

  std::optional<FileStamp> Stat(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &info)) return std::nullopt;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const std::int64_t written = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
        info.ftLastWriteTime.dwLowDateTime);
    return FileStamp{size, written};
  }

  bool Exists(const std::string& path) override {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool IsReadOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }

  bool WriteDurable(const std::string& path, std::string_view data) override {
    HandleCloser file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return false;
    size_t done = 0;
    while (done < data.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 30));
      DWORD written = 0;
      if (!WriteFile(file.get(), data.data() + done, chunk, &written, nullptr) || written == 0) return false;
      done += written;
    }
    if (!FlushFileBuffers(file.get())) return false;
    return file.Close();
  }

  bool ReplaceDurable(const std::string& source, const std::string& target) override {
    return MoveFileExW(Wide(source).c_str(), Wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const std::string& path) override { return DeleteFileW(Wide(path).c_str()) != 0; }
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem instance;
  return instance;
}

}  // namespace voz::files
