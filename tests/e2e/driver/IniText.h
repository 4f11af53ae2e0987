// "参数.ini" as bytes: the program keeps it in GBK. The bench reads values
// and writes whole files the way a user's editor would.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace voz::e2e {

// The value of `key` in `[section]` as the programs read it, UTF-8.
// Nullopt when the section or key is missing.
std::optional<std::string> IniValue(std::string_view file, std::string_view section, std::string_view key);

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> values;
};

// A GBK file with CR LF lines from UTF-8 names and values.
std::string MakeGbkIni(const std::vector<IniSection>& sections);

}  // namespace voz::e2e
