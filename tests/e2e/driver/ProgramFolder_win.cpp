#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/ProgramFolder.h"

namespace voz::e2e {

namespace fs = std::filesystem;

bool ProgramFolder::Create(const std::string& name, std::string* error) {
  std::wstring folderName = Widen(name);
  // Test names of parameterised cases contain '/'.
  for (auto& c : folderName) {
    if (c == L'/' || c == L'\\' || c == L':') c = L'_';
  }
  path_ = Join(RunsDir(), folderName);
  std::error_code ec;
  fs::remove_all(fs::path(path_), ec);
  fs::create_directories(fs::path(path_), ec);
  if (ec) {
    if (error) *error = "cannot make " + Narrow(path_) + ": " + ec.message();
    return false;
  }
  for (const wchar_t* file : {kVozmaraExe, kVozctlExe, kLibraryFile}) {
    const std::wstring from = Join(DistDir(), file);
    if (!CopyFileW(from.c_str(), File(file).c_str(), FALSE)) {
      if (error) *error = "cannot copy " + Narrow(from) + " (error " + std::to_string(GetLastError()) + ")";
      return false;
    }
  }
  return true;
}

std::wstring ProgramFolder::File(std::wstring_view name) const { return Join(path_, name); }

std::optional<std::string> ProgramFolder::Read(std::wstring_view name) const { return ReadWholeFile(File(name)); }

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ProgramFolder::Write(std::wstring_view name, std::string_view bytes) const {
  std::ofstream out(fs::path(File(name)), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

bool ProgramFolder::Exists(std::wstring_view name) const {
  return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ProgramFolder::Remove() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(fs::path(path_), ec);
}

}  // namespace voz::e2e
