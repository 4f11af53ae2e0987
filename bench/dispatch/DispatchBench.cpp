// From a phrase delivered to the text engine to the action's input events
// sent: 1,000 phrases against a 1,000-record library, our own work only (the
// platform's input and clipboard are recording fakes).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "speech/TextRecognizer.h"
#include "tests/core/CoreFixture.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/Dispatch.h"

namespace {

namespace lib = voz::library::testing;
using Clock = std::chrono::steady_clock;

}  // namespace

int main() {
  voz::core::testing::CoreFixture f;
  voz::recordstore::Table table = lib::BuiltinOnlyLibrary(43);
  for (int i = 44; i <= 1000; ++i) {
    // Alias texts: the action pastes, so every phrase ends in key events.
    table.records.push_back(lib::Row(4, "用户命令" + std::to_string(i), "文字" + std::to_string(i)));
  }
  lib::WriteLibrary(f.fs, table);
  f.library.Open(lib::kProgramDirectory);

  voz::speech::TextRecognizer recognizer({voz::speech::kChinese}, nullptr);
  voz::core::MainContext c{f.window, f.state,     f.library,   recognizer, f.voice,    f.settings,
                           f.dialogs, f.tray,      f.volume,    f.processes, f.pointer, f.program,
                           f.program, f.fs,        f.actions,   f.operations, f.rangeDialog};
  recognizer.SetRecognisedHandler([&c](const std::string& text) { voz::core::DispatchPhrase(c, text); });
  voz::core::StartControl(c);

  std::vector<std::string> phrases;
  for (int i = 0; i < 1000; ++i) phrases.push_back("用户命令" + std::to_string(44 + (i * 7919) % 957));
  std::vector<double> micros;
  for (int round = 0; round < 3; ++round) {
    micros.clear();
    for (const auto& phrase : phrases) {
      f.window.SetText(voz::core::EchoBox, "");  // the echo box grows without bound otherwise
      f.actionsDone.done.clear();
      const auto start = Clock::now();
      recognizer.Deliver(phrase);
      const auto end = Clock::now();
      if (f.actionsDone.done.size() != 2) {
        std::fprintf(stderr, "phrase %s did not paste\n", phrase.c_str());
        return 1;
      }
      micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
  }
  std::sort(micros.begin(), micros.end());
  const auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
  std::printf("phrase to key events, %zu phrases, 1000-record library: median %.1f us, p10 %.1f us, p90 %.1f us, "
              "p99 %.1f us, max %.1f us\n",
              micros.size(), at(0.5), at(0.1), at(0.9), at(0.99), micros.back());
  return 0;
}
