#include "tests/e2e/driver/IniText.h"

#include "platform/ini/IniDocument.h"
#include "platform/text/Encoding.h"

namespace voz::e2e {

std::optional<std::string> IniValue(std::string_view file, std::string_view section, std::string_view key) {
  // Read the way the programs read it: Windows' rules, GBK or a marked Unicode file.
  const ini::IniDocument document = ini::IniDocument::Parse(file);
  const std::string* value = document.FindValue(section, key);
  if (value == nullptr) return std::nullopt;
  return *value;
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
