// A fresh program directory for one test: copies of the shipped program,
// vozctl and the command library, and nothing else, so each test starts
// without "参数.ini".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voz::e2e {

inline constexpr const wchar_t* kVozmaraExe = L"Vozmara.exe";
inline constexpr const wchar_t* kVozctlExe = L"vozctl.exe";
inline constexpr const wchar_t* kLibraryFile = L"命令库.edb";
inline constexpr const wchar_t* kSettingsFile = L"参数.ini";

// A whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

class ProgramFolder {
 public:
  // Empties (or makes) RunsDir()\<name> and copies the shipped files into it.
  // `error` names what failed; the folder is then unusable.
  bool Create(const std::string& name, std::string* error);

  const std::wstring& Path() const { return path_; }
  std::wstring File(std::wstring_view name) const;

  // Whole files, as bytes.
  std::optional<std::string> Read(std::wstring_view name) const;
  bool Write(std::wstring_view name, std::string_view bytes) const;
  bool Exists(std::wstring_view name) const;

  // Deletes the folder and everything in it (after a test passed).
  void Remove();

 private:
  std::wstring path_;
};

}  // namespace voz::e2e
