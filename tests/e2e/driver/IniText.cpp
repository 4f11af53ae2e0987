#include "tests/e2e/driver/IniText.h"

#include "platform/files/FileSystem.h"
#include "platform/ini/IniFiles.h"
#include "platform/text/Encoding.h"
#include "tests/e2e/driver/Paths.h"

namespace voz::e2e {

std::string ReadIniValue(const std::wstring& path, std::string_view section, std::string_view key) {
  ini::IniFiles reader(files::RealFileSystem());
  return reader.Read(Narrow(path), section, key);
}

std::string MakeGbkIni(const std::vector<IniSection>& sections) {
  std::string utf8;
  for (const auto& section : sections) {
    utf8 += "[" + section.name + "]\r\n";
    for (const auto& [key, value] : section.values) utf8 += key + "=" + value + "\r\n";
  }
  return text::Utf8ToGbk(utf8);
}

}  // namespace voz::e2e
