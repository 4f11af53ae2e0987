#include <windows.h>

#include "tests/e2e/driver/IniText.h"
#include "tests/e2e/driver/MessageBoxProbe.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/VozmaraRun.h"

namespace voz::e2e {

VozmaraRun::VozmaraRun(const ProgramFolder& folder, std::string name, std::wstring exe)
    : folder_(folder), name_(std::move(name)), exe_(std::move(exe)) {}

std::wstring VozmaraRun::SpeechLogPath() const { return folder_.File(Widen(name_ + "-speech.log")); }

std::vector<std::wstring> VozmaraRun::Arguments(const StartOptions& options) const {
  std::vector<std::wstring> args;
  if (options.textSpeech) {
    args.push_back(L"--speech=text");
    args.push_back(L"--speech-engines=" + Widen(options.engines));
    if (!options.voices.empty()) args.push_back(L"--speech-voices=" + Widen(options.voices));
    args.push_back(L"--speech-log=" + SpeechLogPath());
  }
  args.insert(args.end(), options.extra.begin(), options.extra.end());
  return args;
}

bool VozmaraRun::Launch(const StartOptions& options, std::string* error) {
  window_ = AppWindow();
  return process_.Start(folder_.File(exe_), Arguments(options), folder_.Path(), error);
}

bool VozmaraRun::Start(const StartOptions& options, std::string* error) {
  if (!Launch(options, error)) return false;
  Hwnd found = nullptr;
  // The window is shown when its creation is complete; a message box
  // shown during the creation stops it half-way until it is answered.
  WaitUntil(
      [&] {
        if (!process_.Running()) return true;
        found = FindTopWindow(process_.Id(), kMainWindowClass);
        return found != nullptr && Send(found, WM_NULL, 0, 0, 500).has_value() &&
               (IsShown(found) || FindMessageBox(process_.Id()).has_value());
      },
      kStartTimeout);
  if (!process_.Running()) {
    if (error) *error = Narrow(exe_) + " ended at start with code " + std::to_string(process_.ExitCode().value_or(0));
    return false;
  }
  if (found == nullptr) {
    if (error) *error = "no window of class VozmaraMainWindow appeared";
    return false;
  }
  if (!IsShown(found) && !FindMessageBox(process_.Id())) {
    if (error) *error = "the main window was not shown in time";
    return false;
  }
  window_ = AppWindow(found, process_.Id());
  return true;
}

std::vector<LogLine> VozmaraRun::SpeechLog() const {
  return ParseSpeechLog(ReadWholeFile(SpeechLogPath()).value_or(""));
}

std::vector<LogLine> VozmaraRun::WaitLogEvent(const std::string& event, const std::optional<std::string>& lastField) const {
  std::vector<LogLine> lines;
  WaitUntil([&] {
    lines = LogEvents(SpeechLog(), event);
    if (!lastField) return !lines.empty();
    for (const auto& line : lines) {
      if (line.back() == *lastField) return true;
    }
    return false;
  });
  return lines;
}

std::optional<MenuTree> VozmaraRun::Menus(std::string* error) const {
  return window_.Menus(folder_.File(Widen(name_ + "-menus.txt")), error);
}

std::string VozmaraRun::Setting(const std::string& section, const std::string& key) const {
  return ReadIniValue(folder_.File(kSettingsFile), section, key);
}

ToolRun VozmaraRun::Vozctl(const std::vector<std::string>& args) const {
  ToolRun run;
  std::vector<std::wstring> wide;
  for (const auto& arg : args) wide.push_back(Widen(arg));
  const std::wstring output = folder_.File(Widen(name_ + "-vozctl.txt"));
  ChildProcess tool;
  std::string error;
  if (!tool.Start(folder_.File(kVozctlExe), wide, folder_.Path(), &error, output)) {
    run.output = error;
    return run;
  }
  if (tool.WaitExit(kShortTimeout)) run.exitCode = static_cast<int>(tool.ExitCode().value_or(~0UL));
  tool.Kill();
  run.output = ReadWholeFile(output).value_or("");
  return run;
}

}  // namespace voz::e2e
