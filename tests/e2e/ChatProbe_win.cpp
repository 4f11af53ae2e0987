// A stand-in for the QQ chat window: an input box of class "RichEdit20A"
// without a title and a "Button" titled "发送(S)". It appends what happens
// to the report file named on its command line, one UTF-8 line each:
//   text  <box text>    the box's text changed
//   click <box text>    the send button was clicked
// (tabs, line breaks and backslashes in the text escaped as \t \n \r \\).
//
//   ChatProbe.exe REPORT [LEFT TOP]
#include <windows.h>

#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kInputId = 10;
constexpr int kSendId = 11;

std::wstring g_report;
HWND g_input = nullptr;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c; break;
    }
  }
  return out;
}

// The box's text as UTF-16 whatever the code page: the box is an ANSI window.
std::wstring InputText() {
  GETTEXTLENGTHEX lengthQuery{GTL_DEFAULT | GTL_NUMCHARS, 1200};
  const LRESULT length = SendMessageW(g_input, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  GETTEXTEX query{};
  query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  query.flags = GT_DEFAULT;
  query.codepage = 1200;
  const LRESULT copied = SendMessageW(g_input, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void Report(const char* event) {
  FILE* file = _wfopen(g_report.c_str(), L"ab");
  if (file == nullptr) return;
  const std::string line = std::string(event) + "\t" + Escape(Utf8(InputText())) + "\n";
  fwrite(line.data(), 1, line.size(), file);
  fclose(file);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      g_input = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20A", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10, 360, 120,
                                window, reinterpret_cast<HMENU>(kInputId), nullptr, nullptr);
      SendMessageW(g_input, EM_SETEVENTMASK, 0, ENM_CHANGE);
      CreateWindowExW(0, L"Button", L"发送(S)", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 140, 100, 30, window,
                      reinterpret_cast<HMENU>(kSendId), nullptr, nullptr);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kInputId && HIWORD(wParam) == EN_CHANGE) Report("text");
      if (LOWORD(wParam) == kSendId && HIWORD(wParam) == BN_CLICKED) Report("click");
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
  const int left = argc >= 4 ? _wtoi(argv[2]) : 600;
  const int top = argc >= 4 ? _wtoi(argv[3]) : 100;
  LocalFree(argv);
  if (LoadLibraryW(L"riched20.dll") == nullptr) return 3;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VozChatProbe";
  if (!RegisterClassW(&windowClass)) return 4;
  HWND window = CreateWindowExW(0, L"VozChatProbe", L"ChatProbe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left,
                                top, 400, 220, nullptr, nullptr, instance, nullptr);
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
