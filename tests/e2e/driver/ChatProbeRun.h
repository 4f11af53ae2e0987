// The stand-in chat window (ChatProbe.exe): started, found, and its report
// read back.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/driver/ChildProcess.h"
#include "tests/e2e/driver/SpeechLogText.h"
#include "tests/e2e/driver/Window.h"

namespace voz::e2e {

class ChatProbeRun {
 public:
  // Starts the probe with its window's top-left corner at (left, top) and
  // waits for the window; false with the reason in `error`.
  bool Start(const std::wstring& reportFile, int left, int top, std::string* error);
  void Kill() { process_.Kill(); }

  Hwnd InputBox() const;    // the "RichEdit20A" box
  Hwnd SendButton() const;  // the "发送(S)" button
  // The report's lines: {"text"|"click", box text}.
  std::vector<LogLine> Report() const;

 private:
  ChildProcess process_;
  std::wstring report_;
  Hwnd window_ = nullptr;
};

}  // namespace voz::e2e
