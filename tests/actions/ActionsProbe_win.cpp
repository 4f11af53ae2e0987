// The other program that the command actions' tests drive.
//
//   ActionsProbe.exe                   writes "<own path>.started" and ends
//   ActionsProbe.exe --touch FILE      writes FILE and ends
//   ActionsProbe.exe --window TITLE REPORT
//       a window titled TITLE with a "RichEdit20A" box (id 10), a Unicode
//       "Edit" box (id 11), both holding "<>" with the caret between the two
//       characters, and a button (id 12). Messages:
//         kReport  writes REPORT (UTF-8): "rich\t<text>\nedit\t<text>\nclicks\t<n>\n"
//         kStall   the window thread sleeps wParam milliseconds
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <string>

#include "tests/actions/ProbeProtocol.h"

namespace {

using namespace voz::core::test;

std::wstring g_report;
HWND g_rich = nullptr;
HWND g_edit = nullptr;
int g_clicks = 0;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
  // Written beside and moved into place, so the reader never sees half.
  const std::wstring part = path + L".part";
  HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok && MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// The rich edit box's text as UTF-16 whatever the code page: it is an ANSI window.
std::wstring RichText() {
  std::wstring text(4096, L'\0');
  GETTEXTEX query{};
  query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  query.flags = GT_DEFAULT;
  query.codepage = 1200;
  const LRESULT copied =
      SendMessageW(g_rich, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::wstring EditText() {
  std::wstring text(4096, L'\0');
  const int got = GetWindowTextW(g_edit, text.data(), static_cast<int>(text.size()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      g_rich = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20A", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10,
                               300, 60, window, reinterpret_cast<HMENU>(kProbeRichId), nullptr, nullptr);
      g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 80, 300,
                               24, window, reinterpret_cast<HMENU>(kProbeEditId), nullptr, nullptr);
      CreateWindowExW(0, L"Button", L"发送(S)", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 114, 100, 28, window,
                      reinterpret_cast<HMENU>(kProbeButtonId), nullptr, nullptr);
      for (HWND box : {g_rich, g_edit}) {
        SetWindowTextW(box, L"<>");
        SendMessageW(box, EM_SETSEL, 1, 1);
      }
      // The text set above is no change to undo.
      SendMessageW(g_rich, EM_EMPTYUNDOBUFFER, 0, 0);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kProbeButtonId && HIWORD(wParam) == BN_CLICKED) ++g_clicks;
      return 0;
    case kProbeReport: {
      const std::string report = "rich\t" + Utf8(RichText()) + "\nedit\t" + Utf8(EditText()) + "\nclicks\t" +
                                 std::to_string(g_clicks) + "\n";
      return WriteWhole(g_report, report) ? 1 : 0;
    }
    case kProbeStall:
      Sleep(static_cast<DWORD>(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunWindow(HINSTANCE instance, const wchar_t* title) {
  if (!LoadLibraryW(L"riched20.dll")) return 3;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kProbeClass;
  if (!RegisterClassW(&windowClass)) return 4;
  HWND window = CreateWindowExW(0, kProbeClass, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 700, 300, 340, 190,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 5;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  int result = 2;
  if (argc == 1) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    result = WriteWhole(std::wstring(self) + L".started", "started") ? 0 : 1;
  } else if (argc == 3 && std::wstring(argv[1]) == L"--touch") {
    result = WriteWhole(argv[2], "touched") ? 0 : 1;
  } else if (argc == 4 && std::wstring(argv[1]) == L"--window") {
    g_report = argv[3];
    result = RunWindow(instance, argv[2]);
  }
  LocalFree(argv);
  return result;
}
