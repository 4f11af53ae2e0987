// Bounded polling: every wait of the bench ends, met or not.
#pragma once

#include <chrono>
#include <thread>

namespace voz::e2e {

using std::chrono::milliseconds;

inline constexpr milliseconds kStartTimeout{10000};  // a GUI program comes up in well under a second
inline constexpr milliseconds kShortTimeout{5000};
inline constexpr milliseconds kPollInterval{20};

// Calls `condition` until it returns true or `timeout` has passed; returns
// its last result. It is called at least once, and once more at the end.
template <typename Condition>
bool WaitUntil(Condition&& condition, milliseconds timeout = kShortTimeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace voz::e2e
