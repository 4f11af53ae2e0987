// A window with one push button, for mouse commands to click. Each click of
// the button appends a UTF-8 line to the report file named on the command
// line: "click\t<x>\t<y>\n", the screen point of the mouse event that
// completed the click.
//
//   ClickProbe.exe REPORT [LEFT TOP]
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kButtonId = 11;

std::wstring g_report;

void ReportClick() {
  // The position of the button-up message that made the click.
  const DWORD at = GetMessagePos();
  const int x = static_cast<short>(LOWORD(at));
  const int y = static_cast<short>(HIWORD(at));
  FILE* file = _wfopen(g_report.c_str(), L"ab");
  if (file == nullptr) return;
  std::fprintf(file, "click\t%d\t%d\n", x, y);
  std::fclose(file);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExW(0, L"Button", L"点我", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 40, window,
                      reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) ReportClick();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 2) return 2;
  g_report = argv[1];
  const int left = argc >= 4 ? _wtoi(argv[2]) : 700;
  const int top = argc >= 4 ? _wtoi(argv[3]) : 450;
  LocalFree(argv);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VozClickProbe";
  if (!RegisterClassW(&windowClass)) return 4;
  HWND window = CreateWindowExW(0, L"VozClickProbe", L"ClickProbe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left,
                                top, 200, 120, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 5;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
