#include "tests/actions/ActionsFixture_win.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include "tests/actions/ProbeProtocol.h"

namespace voz::core::test {

namespace {

// The program runs its window thread in a single-threaded apartment and is
// per-monitor DPI aware (its manifest); the tests do the same.
class ProgramLikeProcess : public ::testing::Environment {
 public:
  void SetUp() override {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ProgramLikeProcess);

std::wstring MakeScratchFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  std::wstring folder = std::wstring(temp) + L"voz-actions-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= end) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

void Pump(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

const std::wstring& ScratchFolder() {
  static const std::wstring folder = MakeScratchFolder();
  return folder;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring ProbePath() {
  const std::string path = VOZ_ACTIONS_PROBE;
  return std::wstring(path.begin(), path.end());  // ASCII build path
}

ProbeWindow::ProbeWindow() {
  static int count = 0;
  const std::wstring title = L"ActionsProbe " + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++count);
  report_ = ScratchFolder() + L"\\probe-report-" + std::to_wstring(count) + L".txt";
  std::wstring line = L"\"" + ProbePath() + L"\" --window \"" + title + L"\" \"" + report_ + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    process_ = {};
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  PumpUntil([&] { return (window_ = FindWindowW(kProbeClass, title.c_str())) != nullptr; }, 10000);
}

ProbeWindow::~ProbeWindow() {
  if (process_.hProcess) {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
}

bool ProbeWindow::Alive() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT && IsWindow(window_);
}

std::map<std::string, std::string> ProbeWindow::Report(DWORD timeout) {
  std::map<std::string, std::string> result;
  DeleteFileW(report_.c_str());
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window_, kProbeReport, 0, 0, SMTO_NORMAL, timeout, &answer) || answer != 1) return result;
  const std::string text = ReadBytes(report_);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) result[line.substr(0, tab)] = line.substr(tab + 1);
    start = end + 1;
  }
  return result;
}

}  // namespace voz::core::test
