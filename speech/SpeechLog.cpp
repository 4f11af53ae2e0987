#include "speech/SpeechLog.h"

#include <cstdio>

#include "speech/LogFile.h"

namespace voz::speech {

std::string EscapeLogField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::string UnescapeLogField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out.push_back(field[i]);
      continue;
    }
    switch (field[i + 1]) {
      case '\\': out.push_back('\\'); break;
      case 't': out.push_back('\t'); break;
      case 'n': out.push_back('\n'); break;
      case 'r': out.push_back('\r'); break;
      default: out.push_back('\\'); out.push_back(field[i + 1]);
    }
    ++i;
  }
  return out;
}

std::string FormatLogLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back('\t');
    line += EscapeLogField(fields[i]);
  }
  return line;
}

std::vector<std::string> ParseLogLine(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  std::vector<std::string> fields;
  while (true) {
    const size_t tab = line.find('\t');
    fields.push_back(UnescapeLogField(line.substr(0, tab)));
    if (tab == std::string_view::npos) break;
    line.remove_prefix(tab + 1);
  }
  return fields;
}

void LineLog::Write(const std::vector<std::string>& fields) const {
  if (sink_) sink_(FormatLogLine(fields) + "\n");
}

std::shared_ptr<LineLog> OpenFileLog(const std::string& utf8Path) {
  std::FILE* raw = OpenLogFileForAppend(utf8Path);
  if (raw == nullptr) return nullptr;
  std::shared_ptr<std::FILE> file(raw, [](std::FILE* f) { std::fclose(f); });
  return std::make_shared<LineLog>([file](const std::string& line) {
    // One write per line, so lines of two processes appending to the same
    // log do not interleave.
    std::fwrite(line.data(), 1, line.size(), file.get());
    std::fflush(file.get());
  });
}

}  // namespace voz::speech
