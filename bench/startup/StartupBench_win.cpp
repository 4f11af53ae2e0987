// Start-up to the main window shown: Vozmara (text speech engine) against
// Wine's own notepad, started the same way, alternately, several times.
//
//   startup_bench.exe PATH\Vozmara.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  const wchar_t* className;
  bool visible = false;
};

BOOL CALLBACK FindShown(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (owner == found->process && lstrcmpW(name, found->className) == 0 && IsWindowVisible(hwnd)) {
    found->visible = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess to the visible main window; negative on failure.
double TimeStart(std::wstring commandLine, const wchar_t* className) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    Found found{pi.dwProcessId, className};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (found.visible) {
      elapsed = ms;
      break;
    }
    if (ms > 20000 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench PATH\\Vozmara.exe [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? _wtoi(argv[2]) : 7;
  const std::wstring vozmara = std::wstring(L"\"") + argv[1] + L"\" --speech=text";
  std::vector<double> ours, notepad;
  for (int i = 0; i < runs; ++i) {
    const double a = TimeStart(vozmara, L"VozmaraMainWindow");
    const double b = TimeStart(L"notepad.exe", L"Notepad");
    if (a < 0 || b < 0) {
      std::fprintf(stderr, "a start failed (Vozmara %.0f ms, notepad %.0f ms)\n", a, b);
      return 1;
    }
    ours.push_back(a);
    notepad.push_back(b);
    Sleep(200);
  }
  const double m1 = Median(ours), m2 = Median(notepad);
  std::printf("start-up to the shown main window, median of %d: Vozmara %.0f ms, notepad %.0f ms, ratio %.2f\n",
              runs, m1, m2, m1 / m2);
  return 0;
}
