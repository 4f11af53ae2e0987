// Shared pieces of the command actions' Win32 tests: the process set up as
// the program is (apartment-threaded COM, per-monitor DPI awareness), a
// message pump with a deadline, a scratch folder and the probe program.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace voz::core::test {

// True inside Wine, where the session's prefix is thrown away afterwards.
bool UnderWine();

// Dispatches this thread's messages until `done` holds or `milliseconds`
// pass; returns `done`'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000);
void Pump(DWORD milliseconds);

// A fresh folder for this test process, under the temporary folder the
// process had at start.
const std::wstring& ScratchFolder();
bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

// The probe program (ActionsProbe.exe) with its window; ends it on destruction.
class ProbeWindow {
 public:
  ProbeWindow();
  ~ProbeWindow();
  ProbeWindow(const ProbeWindow&) = delete;
  ProbeWindow& operator=(const ProbeWindow&) = delete;

  bool Started() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  bool Alive() const;
  // The probe's report: "rich", "edit" and "clicks" with their texts.
  std::map<std::string, std::string> Report(DWORD timeout = 5000);

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  std::wstring report_;
};

std::wstring ProbePath();

}  // namespace voz::core::test
