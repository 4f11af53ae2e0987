#include "tests/e2e/driver/ShippedPhrases.h"

namespace voz::e2e {

namespace {

constexpr std::string_view kPhraseField = "语音命令 =";

std::string UnescapeValue(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 's': out += ' '; break;
      default: out += value[i]; break;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> PhrasesOfLibraryText(std::string_view textForm) {
  std::vector<std::string> phrases;
  bool inRecord = false;
  while (!textForm.empty()) {
    const size_t end = textForm.find('\n');
    std::string_view line = textForm.substr(0, end);
    textForm = end == std::string_view::npos ? std::string_view() : textForm.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "record") {
      phrases.emplace_back();
      inRecord = true;
    } else if (inRecord && line.substr(0, kPhraseField.size()) == kPhraseField) {
      std::string_view value = line.substr(kPhraseField.size());
      if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      phrases.back() = UnescapeValue(value);
    }
  }
  return phrases;
}

std::string CommandRow(std::string_view phrase) {
  std::string row = "[";
  for (char c : phrase) {
    if (c != ' ') row += c;
  }
  return row + "]";
}

}  // namespace voz::e2e
