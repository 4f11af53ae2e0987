// A LineLog that keeps its lines, parsed, for tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "speech/SpeechLog.h"

namespace voz::speech::testing {

struct MemoryLog {
  std::vector<std::vector<std::string>> lines;
  std::shared_ptr<LineLog> log = std::make_shared<LineLog>([this](const std::string& line) {
    lines.push_back(ParseLogLine(line));
  });
  // The lines since the last call.
  std::vector<std::vector<std::string>> Take() { return std::exchange(lines, {}); }
};

using Lines = std::vector<std::vector<std::string>>;

}  // namespace voz::speech::testing
