#include <windows.h>

#include "tests/e2e/driver/ChatProbeRun.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/ProgramFolder.h"
#include "tests/e2e/driver/Wait.h"

namespace voz::e2e {

bool ChatProbeRun::Start(const std::wstring& reportFile, int left, int top, std::string* error) {
  report_ = reportFile;
  DeleteFileW(reportFile.c_str());
  if (!process_.Start(ChatProbeExe(), {reportFile, std::to_wstring(left), std::to_wstring(top)}, L"", error)) {
    return false;
  }
  WaitUntil(
      [&] {
        window_ = FindTopWindow(process_.Id(), L"VozChatProbe");
        return !process_.Running() || (window_ != nullptr && IsShown(window_) && InputBox() != nullptr &&
                                       SendButton() != nullptr);
      },
      kStartTimeout);
  if (window_ == nullptr || InputBox() == nullptr || SendButton() == nullptr) {
    if (error) *error = "ChatProbe's window did not appear (exit code " +
                        std::to_string(process_.ExitCode().value_or(0)) + ")";
    return false;
  }
  return true;
}

Hwnd ChatProbeRun::InputBox() const {
  const auto found = DescendantsOfClass(window_, L"RichEdit20A");
  return found.empty() ? nullptr : found.front();
}

Hwnd ChatProbeRun::SendButton() const {
  const auto found = DescendantsOfClass(window_, L"Button");
  return found.empty() ? nullptr : found.front();
}

std::vector<LogLine> ChatProbeRun::Report() const { return ParseSpeechLog(ReadWholeFile(report_).value_or("")); }

}  // namespace voz::e2e
