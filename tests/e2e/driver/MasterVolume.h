// The system master volume as the bench process reads it, through the
// winmm mixer's speaker line as a program would.
#pragma once

#include <optional>

namespace voz::e2e {

struct MasterVolume {
  unsigned left = 0;
  unsigned right = 0;
  unsigned maximum = 0;
};

// Nullopt when the machine has no mixer with a speaker volume.
std::optional<MasterVolume> ReadMasterVolume();

}  // namespace voz::e2e
