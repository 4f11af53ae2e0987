// The engine download window on Win32: the design's read-only text box from
// the generic builder, and the links as clickable static controls laid over
// the text (the builder keeps hyperlinks windowless).
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "platform/ui/Win32Window.h"
#include "resources/vozmara/ResourceIds.h"
#include "vozmara/tools/EngineDownloadWindow.h"

namespace voz::tools {

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 204);
constexpr COLORREF kHeadingColour = RGB(128, 0, 0);

struct FontHandle {
  HFONT handle = nullptr;
  ~FontHandle() {
    if (handle) DeleteObject(handle);
  }
};

// What a modal caller waits for.
struct ModalWait {
  bool closed = false;    // the window has gone
  bool released = false;  // and its state with it
};

// Everything one open window owns. The fonts are declared first so that
// they outlive the controls, which the window destroys.
struct DownloadWindow {
  FontHandle textFont;
  FontHandle linkFont;
  FontHandle headingFont;
  ui::Win32Window window{EngineDownloadDesign()};
  HWND owner = nullptr;
  ModalWait* wait = nullptr;  // set while a modal caller waits
};

DownloadWindow* StateOf(HWND hwnd) { return reinterpret_cast<DownloadWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

bool IsLink(int id) { return id >= 超级链接框1 && id <= 超级链接框12; }

bool IsLinkWithAddress(HWND control) {
  const int id = GetDlgCtrlID(control);
  return IsLink(id) && !EngineDownloadAddress(id).empty();
}

// The window is going: its state goes with it. Called once, from WM_CLOSE.
void Release(HWND hwnd) {
  DownloadWindow* state = StateOf(hwnd);
  if (!state) return;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (state->wait) {
    state->wait->closed = state->wait->released = true;
    // A modal window gives its owner back before it goes, so the owner is activated.
    if (state->owner) EnableWindow(state->owner, TRUE);
  }
  delete state;  // destroys the window
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  DownloadWindow* state = StateOf(hwnd);
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      // The read-only text box and the links over it share the text box's white.
      HWND control = reinterpret_cast<HWND>(lParam);
      const int id = GetDlgCtrlID(control);
      if (id != 编辑框1 && !IsLink(id)) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      if (IsLink(id)) SetTextColor(dc, IsLinkWithAddress(control) ? kLinkColour : kHeadingColour);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_SETCURSOR:
      if (IsLinkWithAddress(reinterpret_cast<HWND>(wParam))) {
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == STN_CLICKED && IsLink(LOWORD(wParam))) {
        const std::string address = EngineDownloadAddress(LOWORD(wParam));
        if (!address.empty()) {
          ShellExecuteW(hwnd, L"open", ui::Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        }
        return 0;
      }
      break;
    case WM_CLOSE:
      Release(hwnd);
      return 0;
    case WM_DESTROY:
      // Destroyed by someone else (its owner went): a modal caller stops
      // waiting and frees the state. A window that is not modal is only
      // destroyed that way when the main window goes at the program's end,
      // and its state goes with the program.
      if (state && state->wait) state->wait->closed = true;
      break;
    default:
      break;
  }
  if (state) {
    LRESULT result = 0;
    if (state->window.HandleMessage(message, wParam, lParam, result)) return result;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HFONT LinkFont(HWND control, bool underline, bool bold) {
  LOGFONTW lf{};
  HFONT base = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (!base || !GetObjectW(base, sizeof lf, &lf)) return nullptr;
  lf.lfUnderline = underline ? TRUE : FALSE;
  if (bold) lf.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&lf);
}

// The instructions leave blank lines for the links at fixed places, which
// holds for lines 16 pixels apart (the design's 12-point Song face). A
// substitute face with taller lines is made smaller until its lines fit.
void FitTextFont(DownloadWindow& state) {
  HWND edit = state.window.Control(编辑框1);
  LOGFONTW lf{};
  HFONT designed = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  if (!designed || !GetObjectW(designed, sizeof lf, &lf)) return;
  const int lineHeight = state.window.Scale(16);
  HDC dc = GetDC(edit);
  const int designedHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  for (int height = designedHeight; height >= state.window.Scale(9); --height) {
    lf.lfHeight = -height;
    HFONT font = CreateFontIndirectW(&lf);
    if (!font) break;
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    const bool measured = GetTextMetricsW(dc, &metrics) != FALSE;
    SelectObject(dc, old);
    if (measured && metrics.tmHeight <= lineHeight) {
      if (height == designedHeight) {
        DeleteObject(font);  // the designed face fits as it is
      } else {
        state.textFont.handle = font;
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      }
      break;
    }
    DeleteObject(font);
  }
  ReleaseDC(edit, dc);
}

void CreateLinks(DownloadWindow& state, HINSTANCE instance) {
  const ui::Win32Window& w = state.window;
  for (const ui::ControlDesign& c : EngineDownloadDesign().controls) {
    if (c.kind != ui::ControlKind::Hyperlink) continue;
    const bool hasAddress = !EngineDownloadAddress(c.id).empty();
    HWND link = CreateWindowExW(0, L"STATIC", ui::Wide(c.text).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX | SS_NOTIFY,
                                w.Scale(c.x), w.Scale(c.y), w.Scale(c.width), w.Scale(c.height), w.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    if (!link) continue;
    // The text box's font, underlined for a link and bold for a heading.
    FontHandle& font = hasAddress ? state.linkFont : state.headingFont;
    if (!font.handle) font.handle = LinkFont(w.Control(编辑框1), hasAddress, !hasAddress);
    if (font.handle) SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle), FALSE);
    SetWindowPos(link, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// Centres the window on its owner, or on the screen's work area.
void Centre(HWND hwnd, HWND owner) {
  RECT area{};
  if (owner && IsWindowVisible(owner)) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT r{};
  GetWindowRect(hwnd, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowEngineDownloadWindow(void* ownerWindow, bool modal) {
  HWND owner = static_cast<HWND>(ownerWindow);
  if (owner && !IsWindow(owner)) owner = nullptr;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VOZMARA));

  auto owned = std::make_unique<DownloadWindow>();
  DownloadWindow* state = owned.get();
  if (!state->window.Create(instance, Procedure, state, icon)) return;
  owned.release();  // from here the window owns its state (Release)
  HWND hwnd = state->window.Handle();
  FitTextFont(*state);
  CreateLinks(*state, instance);

  // Owned, so that it stays above the main window, also when that one is
  // kept on top of all others.
  if (owner) {
    state->owner = owner;
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  }
  if (!modal) {
    Centre(hwnd, owner);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    return;
  }

  ModalWait wait;
  state->wait = &wait;
  if (owner) EnableWindow(owner, FALSE);
  Centre(hwnd, owner);
  ShowWindow(hwnd, SW_SHOWNORMAL);

  MSG msg;
  while (!wait.closed) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: close this window and let the outer loop see the quit.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (!wait.released) {
    if (IsWindow(hwnd)) {
      Release(hwnd);
    } else {
      delete state;
    }
  }
  if (owner) EnableWindow(owner, TRUE);
}

}  // namespace voz::tools
