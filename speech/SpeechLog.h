// The text engine's log: one UTF-8 line per event, fields separated by tabs,
// each line flushed as it is written so another process can follow it.
//
// Lines (fields after the first are escaped, see EscapeLogField):
//   speak  <voice> <rate> <volume> <text>           text started to speak
//   file   <voice> <rate> <volume> <text> <path>    text spoken into a WAV file
//   pause | resume | reset
//   stop   <number of queued texts dropped>
//   listen <zh|en>                                  recognizer started
//   unlisten                                        recognizer stopped
//   heard  <text delivered>                         recognised event raised
//   training <zh|en>                                training opened
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace voz::speech {

// Backslash, tab, line feed and carriage return become \\ \t \n \r, so a
// field never holds a separator.
std::string EscapeLogField(std::string_view field);
// The inverse; an unknown escape or a trailing backslash is kept as written.
std::string UnescapeLogField(std::string_view field);

// One line without its line feed, and back.
std::string FormatLogLine(const std::vector<std::string>& fields);
std::vector<std::string> ParseLogLine(std::string_view line);

// Where log lines go. Writing never fails visibly: a line that cannot be
// written is lost.
class LineLog {
 public:
  using Sink = std::function<void(const std::string& lineWithNewline)>;
  explicit LineLog(Sink sink) : sink_(std::move(sink)) {}
  void Write(const std::vector<std::string>& fields) const;

 private:
  Sink sink_;
};

// Appends to the file at `utf8Path`, creating it; null when it cannot be
// opened (for example a missing folder).
std::shared_ptr<LineLog> OpenFileLog(const std::string& utf8Path);

// Writes when `log` is set.
inline void WriteLog(const std::shared_ptr<LineLog>& log, const std::vector<std::string>& fields) {
  if (log) log->Write(fields);
}

}  // namespace voz::speech
