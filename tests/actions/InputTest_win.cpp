// Keys, clicks and the clipboard, into windows of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/ui/Win32Window.h"
#include "tests/actions/ActionsFixture_win.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {
namespace {

using test::PumpUntil;

struct Event {
  UINT message = 0;
  WPARAM key = 0;
  bool extended = false;
  POINT screen{};
};

constexpr int kEditId = 21;
constexpr int kButtonId = 22;

// A top-level window that records its key and mouse messages, with an edit
// box and a button inside.
class TargetWindow {
 public:
  TargetWindow(int x, int y, int width, int height, bool popup = false) {
    static const bool registered = Register();
    (void)registered;
    const DWORD style = popup ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    hwnd_ = CreateWindowExW(popup ? WS_EX_TOPMOST : 0, kClass, L"Actions target", style, x, y, width, height, nullptr,
                            nullptr, GetModuleHandleW(nullptr), this);
    if (!popup) {
      edit_ = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 300, 24,
                              hwnd_, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
      button_ = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 157, 83, 61, 27, hwnd_,
                                reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
    }
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    test::Pump(100);
  }
  ~TargetWindow() { DestroyWindow(hwnd_); }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  HWND Edit() const { return edit_; }
  HWND Button() const { return button_; }
  int ButtonClicks() const { return buttonClicks_; }
  std::vector<Event> events;

  void Focus(HWND window) {
    SetForegroundWindow(hwnd_);
    SetFocus(window);
    test::PumpUntil([&] { return GetFocus() == window; }, 1000);
  }

 private:
  static constexpr const wchar_t* kClass = L"VozActionsTarget";

  static bool Register() {
    WNDCLASSW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClass;
    return RegisterClassW(&windowClass) != 0;
  }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
      if (message >= WM_KEYFIRST && message <= WM_KEYLAST && message != WM_CHAR && message != WM_SYSCHAR) {
        self->events.push_back({message, wParam, ((lParam >> 24) & 1) != 0, {}});
      }
      if (message >= WM_LBUTTONDOWN && message <= WM_RBUTTONDBLCLK) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &at);
        self->events.push_back({message, 0, false, at});
      }
      if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        ++self->buttonClicks_;
      }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
  HWND button_ = nullptr;
  int buttonClicks_ = 0;
};

std::string EditText(HWND edit) {
  wchar_t buffer[512] = {};
  const int length = GetWindowTextW(edit, buffer, 512);
  return ui::Narrow(std::wstring_view(buffer, static_cast<size_t>(length)));
}

std::string ClipboardText() {
  std::string text = "<no text>";
  if (!OpenClipboard(nullptr)) return "<not opened>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = ui::Narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// ---- Keys ----------------------------------------------------------------

struct KeyCase {
  std::vector<int> keys;
  // Expected key messages: the key code in wParam and the extended-key bit.
  std::vector<std::pair<WPARAM, bool>> downs;
};

TEST(PressKeys, DownInOrderUpInReverseWithTheExtendedFlag) {
  const KeyCase cases[] = {
      {{'A'}, {{'A', false}}},
      {{VK_CONTROL, 'C'}, {{VK_CONTROL, false}, {'C', false}}},
      {{VK_RCONTROL, VK_SHIFT, VK_END}, {{VK_CONTROL, true}, {VK_SHIFT, false}, {VK_END, true}}},
      {{VK_SHIFT, VK_LEFT}, {{VK_SHIFT, false}, {VK_LEFT, true}}},
      {{VK_HOME}, {{VK_HOME, true}}},
      {{VK_PRIOR}, {{VK_PRIOR, true}}},
      {{VK_NEXT}, {{VK_NEXT, true}}},
      {{VK_INSERT}, {{VK_INSERT, true}}},
      {{VK_DELETE}, {{VK_DELETE, true}}},
      {{VK_UP}, {{VK_UP, true}}},
      {{VK_DIVIDE}, {{VK_DIVIDE, true}}},
      {{VK_NUMPAD7}, {{VK_NUMPAD7, false}}},
      {{VK_F5}, {{VK_F5, false}}},
      {{VK_RETURN}, {{VK_RETURN, false}}},
      {{0xBF}, {{0xBF, false}}},  // the "/" key of the main block, not the keypad's
  };
  TargetWindow target(60, 60, 420, 200);
  auto input = CreateInput();
  for (const KeyCase& c : cases) {
    target.Focus(target.Handle());
    target.events.clear();
    input->PressKeys(c.keys);
    const size_t expected = c.downs.size() * 2;
    PumpUntil([&] { return target.events.size() >= expected; }, 2000);
    std::vector<std::pair<WPARAM, bool>> downs, ups;
    for (const Event& e : target.events) {
      (e.message == WM_KEYDOWN || e.message == WM_SYSKEYDOWN ? downs : ups).push_back({e.key, e.extended});
    }
    std::vector<std::pair<WPARAM, bool>> reversed(c.downs.rbegin(), c.downs.rend());
    EXPECT_EQ(downs, c.downs) << "first key " << c.keys[0];
    EXPECT_EQ(ups, reversed) << "first key " << c.keys[0];
    EXPECT_EQ(target.events.size(), expected) << "first key " << c.keys[0];
  }
}

TEST(PressKeys, CodesOutsideTheKeyRangePressNothing) {
  TargetWindow target(60, 60, 420, 200);
  target.Focus(target.Handle());
  auto input = CreateInput();
  input->PressKeys({});
  input->PressKeys({-1});
  input->PressKeys({0, 0x100});
  test::Pump(300);
  EXPECT_TRUE(target.events.empty());
}

TEST(PressKeys, TypeEditAndPasteChineseIntoTheFocusedBox) {
  TargetWindow target(60, 60, 420, 200);
  target.Focus(target.Edit());
  auto input = CreateInput();
  auto clipboard = CreateClipboard();
  auto typed = [&](const std::string& expected) {
    return PumpUntil([&] { return EditText(target.Edit()) == expected; }, 2000);
  };

  input->PressKeys({VK_SHIFT, 'H'});
  input->PressKeys({'I'});
  EXPECT_TRUE(typed("Hi")) << EditText(target.Edit());

  ASSERT_TRUE(clipboard->SetText("你好，Vozmara 汉字"));
  input->PressKeys({VK_CONTROL, 'V'});
  EXPECT_TRUE(typed("Hi你好，Vozmara 汉字")) << EditText(target.Edit());

  // Home and Delete are extended keys; Shift+Home selects back to the start.
  input->PressKeys({VK_LEFT});
  input->PressKeys({VK_SHIFT, VK_HOME});
  input->PressKeys({VK_DELETE});
  EXPECT_TRUE(typed("字")) << EditText(target.Edit());
}

// ---- Clicks --------------------------------------------------------------

TEST(Click, PressesAButtonAtTheCentreOfItsScreenRectangle) {
  TargetWindow target(90, 70, 420, 200);
  RECT r{};
  ASSERT_TRUE(GetWindowRect(target.Button(), &r));
  auto input = CreateInput();
  input->Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, ClickKind::LeftSingle);
  EXPECT_TRUE(PumpUntil([&] { return target.ButtonClicks() == 1; }, 2000));
  test::Pump(100);
  EXPECT_EQ(target.ButtonClicks(), 1);
}

TEST(Click, EachKindGivesItsButtonMessagesAtThePoint) {
  struct KindCase {
    ClickKind kind;
    std::vector<UINT> messages;
  };
  const KindCase cases[] = {
      {ClickKind::LeftSingle, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {ClickKind::LeftDouble, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {ClickKind::RightSingle, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {ClickKind::RightDouble, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP}},
  };
  TargetWindow target(100, 100, 600, 400, true);
  auto input = CreateInput();
  int n = 0;
  for (const KindCase& c : cases) {
    // Far apart, so that no click pairs with the one before into a double click.
    const POINT at{150 + 111 * n, 170 + 53 * n};
    ++n;
    target.events.clear();
    input->Click(at.x, at.y, c.kind);
    PumpUntil([&] { return target.events.size() >= c.messages.size(); }, 2000);
    test::Pump(50);
    std::vector<UINT> messages;
    for (const Event& e : target.events) {
      messages.push_back(e.message);
      EXPECT_EQ(e.screen.x, at.x) << static_cast<int>(c.kind);
      EXPECT_EQ(e.screen.y, at.y) << static_cast<int>(c.kind);
    }
    EXPECT_EQ(messages, c.messages) << static_cast<int>(c.kind);
  }
}

TEST(Click, LandsOnEveryPixelOfARowAndAColumn) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  TargetWindow cover(left, top, width, height, true);
  auto input = CreateInput();
  std::vector<POINT> points;
  for (int x = left; x < left + width; ++x) points.push_back({x, top + height / 2});
  for (int y = top; y < top + height; ++y) points.push_back({left + width / 3, y});
  int misses = 0;
  for (const POINT& p : points) {
    cover.events.clear();
    input->Click(p.x, p.y, ClickKind::LeftSingle);
    PumpUntil([&] { return cover.events.size() >= 2; }, 1000);
    POINT cursor{};
    GetCursorPos(&cursor);
    // Clicks a pixel apart pair into double clicks: either message counts.
    const bool hit = !cover.events.empty() &&
                     (cover.events[0].message == WM_LBUTTONDOWN || cover.events[0].message == WM_LBUTTONDBLCLK) &&
                     cover.events[0].screen.x == p.x && cover.events[0].screen.y == p.y && cursor.x == p.x &&
                     cursor.y == p.y;
    if (!hit && ++misses <= 5) {
      ADD_FAILURE() << "click at " << p.x << "," << p.y << " landed at "
                    << (cover.events.empty() ? -1 : cover.events[0].screen.x) << ","
                    << (cover.events.empty() ? -1 : cover.events[0].screen.y) << ", cursor " << cursor.x << ","
                    << cursor.y;
    }
  }
  EXPECT_EQ(misses, 0) << "of " << points.size();
}

// ---- Clipboard -----------------------------------------------------------

TEST(Clipboard, HoldsTheUnicodeText) {
  auto clipboard = CreateClipboard();
  for (const std::string text : {"清除历史记录 成功", "", "a\r\nb\tc", "𠀀 outside the basic plane"}) {
    ASSERT_TRUE(clipboard->SetText(text));
    EXPECT_EQ(ClipboardText(), text);
  }
}

// Another thread holds the clipboard open for `hold` milliseconds.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(DWORD hold) {
    thread_ = std::thread([this, hold] {
      if (OpenClipboard(nullptr)) {
        opened_ = true;
        Sleep(hold);
        CloseClipboard();
      }
      done_ = true;
    });
    while (!opened_ && !done_) Sleep(1);
  }
  ~ClipboardHolder() { thread_.join(); }
  bool Opened() const { return opened_; }

 private:
  std::thread thread_;
  std::atomic<bool> opened_{false}, done_{false};
};

TEST(Clipboard, WaitsBrieflyForAnotherHolderButNeverHangs) {
  auto clipboard = CreateClipboard();
  ASSERT_TRUE(clipboard->SetText("before"));
  {
    ClipboardHolder holder(150);
    ASSERT_TRUE(holder.Opened());
    EXPECT_TRUE(clipboard->SetText("after a short wait"));
  }
  EXPECT_EQ(ClipboardText(), "after a short wait");
  {
    ClipboardHolder holder(3000);
    ASSERT_TRUE(holder.Opened());
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(clipboard->SetText("never set"));
    EXPECT_LT(GetTickCount64() - start, 2500u);
  }
  EXPECT_EQ(ClipboardText(), "after a short wait");
}

}  // namespace
}  // namespace voz::core::win
