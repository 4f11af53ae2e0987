#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/ShippedPhrases.h"
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {

namespace {

DWORD ThreadOf(Hwnd window) { return GetWindowThreadProcessId(window, nullptr); }

// The window that has the keyboard focus in the thread of `window`.
Hwnd FocusOfThread(Hwnd window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(ThreadOf(window), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace

std::wstring ClickProbeExe() { return PathFromDefinition(VOZ_E2E_CLICK_PROBE); }
std::wstring SnapshotCopyDir() { return PathFromDefinition(VOZ_E2E_SNAPSHOT_DIR); }

std::wstring DesktopFolder() {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_CREATE, nullptr, &path)) && path) result = path;
  CoTaskMemFree(path);
  return result;
}

std::string ClipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

namespace {

const std::vector<std::string>& ShippedPhrases() {
  static const std::vector<std::string> phrases =
      PhrasesOfLibraryText(ReadWholeFile(ShippedLibraryText()).value_or(""));
  return phrases;
}

}  // namespace

int ShippedRecordOf(const std::string& phrase) {
  const auto& phrases = ShippedPhrases();
  for (size_t i = 0; i < phrases.size(); ++i) {
    if (phrases[i] == phrase) return static_cast<int>(i) + 1;
  }
  return 0;
}

int ShippedRecordCount() { return static_cast<int>(ShippedPhrases().size()); }

std::vector<Hwnd> WindowsWithTitle(const std::wstring& className, const std::string& titlePart) {
  struct Search {
    const std::wstring* className;
    const std::string* part;
    std::vector<Hwnd> found;
  } search{&className, &titlePart, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (ClassName(window) == *s.className && WindowText(window).find(*s.part) != std::string::npos) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void KillOwnerOf(Hwnd window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == 0 || pid == GetCurrentProcessId()) return;
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return;
  TerminateProcess(process, 99);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

// ---- Notepad ------------------------------------------------------------

bool Notepad::Start(const std::wstring& workDir, std::string* error) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  if (!process_.Start(Join(system, L"notepad.exe"), {}, workDir, error)) return false;
  WaitUntil(
      [&] {
        window_ = FindTopWindow(process_.Id(), L"Notepad");
        const auto edits = DescendantsOfClass(window_, L"Edit");
        edit_ = edits.empty() ? nullptr : edits.front();
        return !process_.Running() || (edit_ != nullptr && IsShown(window_));
      },
      kStartTimeout);
  if (edit_ == nullptr || !IsShown(window_)) {
    if (error) *error = "notepad's window with its edit box did not appear";
    return false;
  }
  return true;
}

std::string Notepad::Text() const { return WindowText(edit_); }

std::pair<int, int> Notepad::Selection() const {
  const long long packed = Send(edit_, EM_GETSEL, 0, 0).value_or(-1);
  if (packed < 0) return {-1, -1};
  return {static_cast<int>(LOWORD(packed)), static_cast<int>(HIWORD(packed))};
}

bool Notepad::Focus() const {
  return WaitUntil([&] {
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    return GetForegroundWindow() == window_ && FocusOfThread(window_) == edit_;
  });
}

std::string Notepad::WaitText(const std::string& expected) const {
  std::string text;
  WaitUntil([&] { return (text = Text()) == expected; });
  return text;
}

// ---- The fixture --------------------------------------------------------

void VoiceTest::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string error;
  ASSERT_TRUE(folder.Create(std::string(test->test_suite_name()) + "." + test->name(), &error)) << error;
}

void VoiceTest::TearDown() {
  for (Hwnd window : adopted_) {
    if (IsAlive(window)) KillOwnerOf(window);
  }
  notepad.Kill();
  app.Kill();
  if (!HasFailure()) folder.Remove();
}

::testing::AssertionResult VoiceTest::Start(const StartOptions& options) {
  std::string error;
  if (!app.Start(options, &error)) return ::testing::AssertionFailure() << error;
  return ::testing::AssertionSuccess();
}

std::string VoiceTest::Status() const { return Window().StatusPart(core::状态条1, core::kStatusPartControl); }

std::string VoiceTest::WaitStatus(const std::string& expected) const {
  std::string status;
  WaitUntil([&] { return (status = Status()) == expected; });
  return status;
}

::testing::AssertionResult VoiceTest::StartControl() {
  if (!Window().Command(core::开始控制)) return ::testing::AssertionFailure() << "开始控制 could not be posted";
  const std::string status = WaitStatus(kRunning);
  if (status != kRunning) return ::testing::AssertionFailure() << "after 开始控制 the status is " << status;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult VoiceTest::Say(const std::string& phrase) {
  const ToolRun run = app.Vozctl({"say", phrase});
  if (run.exitCode != 0) {
    return ::testing::AssertionFailure() << "vozctl say " << phrase << ": exit " << run.exitCode << ", "
                                         << run.output;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult VoiceTest::SayCommand(const std::string& phrase, int record) {
  const std::string expectedEcho = Echo() + "[" + phrase + "]\r\n";
  if (auto said = Say(phrase); !said) return said;
  const std::string echo = Echo();
  if (echo != expectedEcho) {
    return ::testing::AssertionFailure() << "after " << phrase << " the echo box holds \"" << echo << "\"";
  }
  if (record == 0) record = ShippedRecordOf(phrase);
  const int row = Window().ListSelection(core::CommandListBox);
  if (row != record - 1) {
    return ::testing::AssertionFailure() << "after " << phrase << " row " << row << " is selected, not "
                                         << record - 1;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult VoiceTest::StartNotepad() {
  std::string error;
  if (!notepad.Start(folder.Path(), &error)) return ::testing::AssertionFailure() << error;
  if (!notepad.Focus()) return ::testing::AssertionFailure() << "notepad did not get the keyboard focus";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult VoiceTest::AppendRecords(const std::string& records) {
  const std::string library = Narrow(folder.File(kLibraryFile));
  const ToolRun dump = app.Vozctl({"edb", "dump", library});
  if (dump.exitCode != 0) return ::testing::AssertionFailure() << "vozctl edb dump: " << dump.output;
  const std::wstring textFile = folder.File(L"library-with-extras.txt");
  if (!folder.Write(L"library-with-extras.txt", dump.output + "\n" + records)) {
    return ::testing::AssertionFailure() << "cannot write " << Narrow(textFile);
  }
  const ToolRun load = app.Vozctl({"edb", "load", Narrow(textFile), library});
  if (load.exitCode != 0) return ::testing::AssertionFailure() << "vozctl edb load: " << load.output;
  return ::testing::AssertionSuccess();
}

}  // namespace voz::e2e
