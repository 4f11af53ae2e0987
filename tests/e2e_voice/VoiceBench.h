// The bench of the voice-control tests: Vozmara.exe started from a fresh
// program folder with the text speech engine, phrases delivered with
// `vozctl say`, and the programs the phrases act on (Wine's notepad, the
// click probe, windows the program opens). Everything a test starts is
// killed when it ends; the folder stays behind when it fails.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/ChildProcess.h"
#include "tests/e2e/driver/MessageBoxProbe.h"
#include "tests/e2e/driver/ProgramFolder.h"
#include "tests/e2e/driver/VozmaraRun.h"
#include "tests/e2e/driver/Wait.h"
#include "tests/e2e/driver/Window.h"
#include "vozmara/core/MainWindowDesign.h"

namespace voz::e2e {

inline constexpr const char* kRunning = "状态:正在控制";
inline constexpr const char* kPaused = "状态:暂停控制";
inline constexpr const char* kStopped = "状态:停止控制";

std::wstring ClickProbeExe();
// Where the snapshot test leaves its copy for the host-side decoder check.
std::wstring SnapshotCopyDir();
// The user's desktop folder, as the shell names it to any program.
std::wstring DesktopFolder();
// The clipboard's Unicode text, UTF-8; "" when it holds none.
std::string ClipboardText();

// The record number (from 1) of a phrase in the shipped library's source; 0
// when it has none.
int ShippedRecordOf(const std::string& phrase);
int ShippedRecordCount();

// Top-level windows of any process with that class whose title contains
// `titlePart` (UTF-8).
std::vector<Hwnd> WindowsWithTitle(const std::wstring& className, const std::string& titlePart);
// Ends the process that owns the window, and waits (bounded) for its end.
void KillOwnerOf(Hwnd window);

// Wine's notepad, started by the bench.
class Notepad {
 public:
  bool Start(const std::wstring& workDir, std::string* error);
  void Kill() { process_.Kill(); }

  Hwnd Window() const { return window_; }
  Hwnd EditBox() const { return edit_; }
  std::string Text() const;
  // The selection of the edit box as {start, end}.
  std::pair<int, int> Selection() const;
  // Brings the window to the foreground with the keyboard focus in its edit
  // box, where simulated keys land; false when that did not happen in time.
  bool Focus() const;
  // Waits until the text is `expected`; the text then.
  std::string WaitText(const std::string& expected) const;

 private:
  ChildProcess process_;
  Hwnd window_ = nullptr;
  Hwnd edit_ = nullptr;
};

class VoiceTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ::testing::AssertionResult Start(const StartOptions& options = {});
  // 开始控制 from the menu, then waits for the running state.
  ::testing::AssertionResult StartControl();
  // `vozctl say`: the recognizer heard the phrase, and the dispatch is done
  // when it returns (the program handles the message before answering).
  ::testing::AssertionResult Say(const std::string& phrase);
  // Says a command phrase and checks the trace every command leaves: the
  // echo "[phrase]" and the row of `record` selected (by default the
  // phrase's record in the shipped library).
  ::testing::AssertionResult SayCommand(const std::string& phrase, int record = 0);
  // Starts notepad and gives it the keyboard focus.
  ::testing::AssertionResult StartNotepad();
  // Appends records in the library's text form to the folder's "命令库.edb"
  // with `vozctl edb dump` and `vozctl edb load`; before the program starts.
  ::testing::AssertionResult AppendRecords(const std::string& records);
  // A window the program opened, to be closed when the test ends.
  void Adopt(Hwnd window) { adopted_.push_back(window); }

  const AppWindow& Window() const { return app.Window(); }
  std::string Status() const;
  std::string WaitStatus(const std::string& expected) const;
  std::string Echo() const { return Window().Text(core::EchoBox); }

  ProgramFolder folder;
  VozmaraRun app{folder};
  Notepad notepad;

 private:
  std::vector<Hwnd> adopted_;
};

}  // namespace voz::e2e
