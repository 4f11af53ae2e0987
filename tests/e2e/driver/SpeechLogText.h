// The text speech engine's log: UTF-8 lines of tab-separated fields, with
// backslash escapes (\\ \t \n \r) inside the fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voz::e2e {

using LogLine = std::vector<std::string>;

std::vector<LogLine> ParseSpeechLog(std::string_view text);

// The lines whose first field is `event` ("speak", "listen", "heard", ...).
std::vector<LogLine> LogEvents(const std::vector<LogLine>& log, std::string_view event);

}  // namespace voz::e2e
