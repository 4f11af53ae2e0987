// "参数.ini": the bench reads values the way the program does and writes
// whole GBK files the way a user's editor would.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace voz::e2e {

// A value of the INI file at `path` as the programs read it (Windows'
// rules, GBK or a marked Unicode file), UTF-8; "" when the file, section or
// key is missing.
std::string ReadIniValue(const std::wstring& path, std::string_view section, std::string_view key);

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> values;
};

// A GBK file with CR LF lines from UTF-8 names and values.
std::string MakeGbkIni(const std::vector<IniSection>& sections);

}  // namespace voz::e2e
