// One run of Vozmara.exe from a program folder, with the text speech engine
// and its log, and the ways the bench talks to it: its main window, its
// menu report, its settings file and vozctl.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/AppWindow.h"
#include "tests/e2e/driver/ChildProcess.h"
#include "tests/e2e/driver/MenuTree.h"
#include "tests/e2e/driver/ProgramFolder.h"
#include "tests/e2e/driver/SpeechLogText.h"

namespace voz::e2e {

inline constexpr const wchar_t* kMainWindowClass = L"VozmaraMainWindow";

struct StartOptions {
  bool textSpeech = true;            // --speech=text, else the system's engine
  std::string engines = "zh,en";     // --speech-engines
  std::string voices;                // --speech-voices; empty keeps the engine's own
  std::vector<std::wstring> extra;   // further arguments
};

struct ToolRun {
  int exitCode = -1;   // -1: it did not end in time or did not start
  std::string output;  // standard output and error together
};

class VozmaraRun {
 public:
  // `name` tells several runs in one folder apart (their logs and reports);
  // `exe` is the program's file name in the folder.
  explicit VozmaraRun(const ProgramFolder& folder, std::string name = "vozmara", std::wstring exe = kVozmaraExe);

  // Starts the program and waits until its main window answers messages.
  // False, with the reason in `error`, when it does not come up in time.
  bool Start(const StartOptions& options, std::string* error);
  // Only starts it, for a copy that is expected to end by itself.
  bool Launch(const StartOptions& options, std::string* error);

  ChildProcess& Process() { return process_; }
  unsigned long Id() const { return process_.Id(); }
  const AppWindow& Window() const { return window_; }
  void Kill() { process_.Kill(); }

  std::wstring SpeechLogPath() const;
  std::vector<LogLine> SpeechLog() const;
  // Waits until the log has a line of that event (and text, when given in
  // the last field); the lines of that event then.
  std::vector<LogLine> WaitLogEvent(const std::string& event, const std::optional<std::string>& lastField = {}) const;

  std::optional<MenuTree> Menus(std::string* error) const;
  // A value of "参数.ini" in the program folder; "" when missing.
  std::string Setting(const std::string& section, const std::string& key) const;

  // Runs the folder's vozctl.exe with the arguments and waits for its end.
  ToolRun Vozctl(const std::vector<std::string>& args) const;

 private:
  std::vector<std::wstring> Arguments(const StartOptions& options) const;

  const ProgramFolder& folder_;
  std::string name_;
  std::wstring exe_;
  ChildProcess process_;
  AppWindow window_;
};

}  // namespace voz::e2e
