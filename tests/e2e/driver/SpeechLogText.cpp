#include "tests/e2e/driver/SpeechLogText.h"

namespace voz::e2e {

namespace {

std::string Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char next = field[++i];
    switch (next) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: out += '\\'; out += next; break;
    }
  }
  return out;
}

}  // namespace

std::vector<LogLine> ParseSpeechLog(std::string_view text) {
  std::vector<LogLine> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    // A line still being written has no line feed yet.
    if (end == std::string_view::npos) break;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    LogLine fields;
    size_t start = 0;
    while (true) {
      const size_t tab = line.find('\t', start);
      fields.push_back(Unescape(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start)));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    lines.push_back(std::move(fields));
  }
  return lines;
}

std::vector<LogLine> LogEvents(const std::vector<LogLine>& log, std::string_view event) {
  std::vector<LogLine> found;
  for (const auto& line : log) {
    if (!line.empty() && line[0] == event) found.push_back(line);
  }
  return found;
}

}  // namespace voz::e2e
