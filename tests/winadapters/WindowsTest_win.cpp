// The adapters that meet real windows: the window under the pointer, message
// boxes, and the engine download window.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"
#include "vozmara/tools/EngineDownloadWindow.h"

namespace voz::core::win {
namespace {

void Pump(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

std::string TextOf(HWND hwnd) {
  wchar_t buffer[4096] = {};
  GetWindowTextW(hwnd, buffer, 4096);
  return ui::Narrow(buffer);
}

// Runs `act` on a helper thread once a top-level window of `className` and
// `caption` is shown, while this thread sits in a modal loop. Gives up after 10 s.
class WhenWindowAppears {
 public:
  WhenWindowAppears(const wchar_t* className, std::string caption, std::function<void(HWND)> act)
      : thread_([=, this] {
          const std::wstring wide = ui::Wide(caption);
          for (int i = 0; i < 1000; ++i) {
            HWND hwnd = FindWindowW(className, wide.c_str());
            if (hwnd && IsWindowVisible(hwnd)) {
              act(hwnd);
              found_ = true;
              return;
            }
            Sleep(10);
          }
        }) {}
  ~WhenWindowAppears() {
    if (thread_.joinable()) thread_.join();
  }
  bool Found() {
    if (thread_.joinable()) thread_.join();
    return found_;
  }

 private:
  std::atomic<bool> found_{false};
  std::thread thread_;
};

// A plain window class: static controls would let the pointer fall through.
const wchar_t* PlainClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"VozPlainTestWindow";
    return RegisterClassW(&wc) != 0;
  }();
  return registered ? L"VozPlainTestWindow" : L"STATIC";
}

TEST(PointerWindows, FindsTheDeepestChildEvenWhenDisabled) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND top = CreateWindowExW(WS_EX_TOPMOST, PlainClass(), L"pointer test", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100,
                             300, 200, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(top, nullptr);
  // A panel holding a button, and a disabled button straight on the window.
  HWND panel = CreateWindowExW(0, PlainClass(), L"", WS_CHILD | WS_VISIBLE, 0, 0, 150, 200, top, nullptr, instance,
                               nullptr);
  HWND send = CreateWindowExW(0, L"BUTTON", L"发送(S)", WS_CHILD | WS_VISIBLE, 20, 20, 100, 40, panel, nullptr,
                              instance, nullptr);
  HWND greyed = CreateWindowExW(0, L"BUTTON", L"发送(S)", WS_CHILD | WS_VISIBLE | WS_DISABLED, 170, 20, 100, 40, top,
                                nullptr, instance, nullptr);
  ASSERT_TRUE(panel && send && greyed);
  Pump(200);

  auto pointer = CreatePointerWindows();
  for (HWND target : {send, greyed}) {
    RECT r{};
    GetWindowRect(target, &r);
    ASSERT_TRUE(SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Pump(50);
    const PointedWindow found = pointer->UnderPointer();
    EXPECT_EQ(found.handle, reinterpret_cast<std::uintptr_t>(target));
    EXPECT_EQ(found.className, "Button");
    EXPECT_EQ(found.title, "发送(S)");
  }
  DestroyWindow(top);
}

TEST(Dialogs, MessageBoxShowsTextWithTheTitleOrTheDefault) {
  const struct {
    const char* title;
    const char* shownTitle;
    MessageIcon icon;
  } cases[] = {{"温馨提示:", "温馨提示:", MessageIcon::Information}, {"", "Vozmara", MessageIcon::None}};
  auto dialogs = CreateDialogs(nullptr, GetModuleHandleW(nullptr));
  for (const auto& c : cases) {
    std::string seen;
    WhenWindowAppears closer(L"#32770", c.shownTitle, [&](HWND box) {
      seen = TextOf(GetDlgItem(box, 0xFFFF));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    dialogs->Message("程序已经运行!", c.title, c.icon);
    EXPECT_TRUE(closer.Found()) << c.shownTitle;
    EXPECT_EQ(seen, "程序已经运行!");
  }
}

const wchar_t kDownloadClass[] = L"VozmaraEngineDownload";
const char kDownloadCaption[] = "语音识别引擎下载提示:";

TEST(EngineDownloadWindow, ShowsTheTextAndTheLinksAndCloses) {
  HWND owner = CreateWindowExW(0, PlainClass(), L"owner", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  tools::ShowEngineDownloadWindow(owner, false);  // returns at once
  HWND window = FindWindowW(kDownloadClass, ui::Wide(kDownloadCaption).c_str());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
  EXPECT_TRUE(IsWindowEnabled(owner));

  const ui::WindowDesign& design = tools::EngineDownloadDesign();
  const HWND text = GetDlgItem(window, tools::编辑框1);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(TextOf(text), design.Find(tools::编辑框1)->text);
  int links = 0;
  for (const auto& c : design.controls) {
    if (c.kind != ui::ControlKind::Hyperlink) continue;
    HWND link = GetDlgItem(window, c.id);
    ASSERT_NE(link, nullptr) << c.name;
    EXPECT_EQ(TextOf(link), c.text);
    EXPECT_TRUE(IsWindowVisible(link));
    // Laid over the text box, and drawn above it.
    RECT linkRect{}, textRect{}, overlap{};
    GetWindowRect(link, &linkRect);
    GetWindowRect(text, &textRect);
    EXPECT_TRUE(IntersectRect(&overlap, &linkRect, &textRect)) << c.name;
    for (HWND below = GetWindow(link, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
      if (below == text) ++links;
    }
  }
  EXPECT_EQ(links, 12);

  // A click on a heading opens nothing and leaves the window open.
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(tools::超级链接框4, STN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, tools::超级链接框4)));
  EXPECT_TRUE(IsWindow(window));

  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(IsWindow(owner));
  DestroyWindow(owner);
}

TEST(EngineDownloadWindow, ModalDisablesTheOwnerUntilClosed) {
  HWND owner = CreateWindowExW(0, PlainClass(), L"owner", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  std::atomic<bool> ownerEnabledWhileOpen{true};
  std::atomic<HWND> ownerOfWindow{nullptr};
  WhenWindowAppears closer(kDownloadClass, kDownloadCaption, [&](HWND window) {
    ownerEnabledWhileOpen = IsWindowEnabled(owner) != FALSE;
    ownerOfWindow = GetWindow(window, GW_OWNER);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  tools::ShowEngineDownloadWindow(owner, true);  // returns once closed
  EXPECT_TRUE(closer.Found());
  EXPECT_FALSE(ownerEnabledWhileOpen);
  EXPECT_EQ(ownerOfWindow.load(), owner);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindowW(kDownloadClass, nullptr), nullptr);
  DestroyWindow(owner);
}

TEST(EngineDownloadWindow, ModalEndsWhenTheProgramQuits) {
  WhenWindowAppears quitter(kDownloadClass, kDownloadCaption, [](HWND window) {
    PostThreadMessageW(GetWindowThreadProcessId(window, nullptr), WM_QUIT, 7, 0);
  });
  tools::ShowEngineDownloadWindow(nullptr, true);
  EXPECT_TRUE(quitter.Found());
  EXPECT_EQ(FindWindowW(kDownloadClass, nullptr), nullptr);
  // The quit is handed on to the program's own loop.
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace voz::core::win
