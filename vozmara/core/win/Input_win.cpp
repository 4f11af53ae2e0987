// Simulated keys and mouse clicks through SendInput. Each action goes in one
// SendInput call, so the user's own input cannot slip in between its events.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

// Keys whose scan code carries the E0 prefix: without the extended flag the
// arrows and the Home/End/PgUp/PgDn/Ins/Del block arrive as numeric-keypad
// keys in programs that read scan codes.
bool IsExtendedKey(int vk) {
  switch (vk) {
    case VK_CANCEL:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_SNAPSHOT:
    case VK_INSERT:
    case VK_DELETE:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU:
      return true;
    default:
      // The browser, volume, media and launch keys.
      return vk >= VK_BROWSER_BACK && vk <= VK_LAUNCH_APP2;
  }
}

INPUT KeyEvent(int vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(vk);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

// The thread's DPI awareness set to per-monitor for the lifetime of the
// object, so that the screen metrics are physical pixels whatever thread
// calls. Looked up at run time: older systems lack the function.
class PhysicalPixels {
 public:
  PhysicalPixels() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    set_ = user32 ? reinterpret_cast<SetContext>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")))
                  : nullptr;
    if (set_) previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  }
  ~PhysicalPixels() {
    if (set_ && previous_) set_(previous_);
  }
  PhysicalPixels(const PhysicalPixels&) = delete;
  PhysicalPixels& operator=(const PhysicalPixels&) = delete;

 private:
  DPI_AWARENESS_CONTEXT(WINAPI* set_)(DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The absolute coordinate 0..65535 that lands on pixel `offset` of a span of
// `size` pixels. The system maps a coordinate c to pixel floor(c * size / 65536)
// (or to the nearest pixel); rounding up puts c within the first half of the
// pixel, which both mappings take to that pixel.
LONG Normalised(std::int64_t offset, std::int64_t size) {
  if (size <= 0) return 0;
  const std::int64_t c = (offset * 65536 + size - 1) / size;
  return static_cast<LONG>(std::clamp<std::int64_t>(c, 0, 65535));
}

class Win32Input final : public Input {
 public:
  void PressKeys(const std::vector<int>& virtualKeys) override {
    std::vector<int> keys;
    for (int vk : virtualKeys) {
      if (vk > 0 && vk < 0xFF) keys.push_back(vk);  // codes outside the key range reach no key
    }
    if (keys.empty()) return;
    std::vector<INPUT> inputs;
    inputs.reserve(keys.size() * 2);
    for (int vk : keys) inputs.push_back(KeyEvent(vk, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(KeyEvent(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }

  void Click(int x, int y, ClickKind kind) override {
    PhysicalPixels physical;
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    DWORD desk = MOUSEEVENTF_VIRTUALDESK;
    if (width <= 0 || height <= 0) {
      left = top = 0;
      width = GetSystemMetrics(SM_CXSCREEN);
      height = GetSystemMetrics(SM_CYSCREEN);
      desk = 0;
    }
    const LONG dx = Normalised(static_cast<std::int64_t>(x) - left, width);
    const LONG dy = Normalised(static_cast<std::int64_t>(y) - top, height);

    // "Left" is the primary button: with the buttons swapped it is the right one.
    const bool right = kind == ClickKind::RightSingle || kind == ClickKind::RightDouble;
    const bool primaryOnRight = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const bool physicalRight = right != primaryOnRight;
    const DWORD down = physicalRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = physicalRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    const int clicks = kind == ClickKind::LeftDouble || kind == ClickKind::RightDouble ? 2 : 1;

    // Every event carries the position, so a mouse moved by the user in the
    // middle cannot shift the click.
    const DWORD at = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | desk;
    std::vector<INPUT> inputs;
    auto add = [&](DWORD flags) {
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dx = dx;
      input.mi.dy = dy;
      input.mi.dwFlags = at | flags;
      inputs.push_back(input);
    };
    add(0);
    for (int i = 0; i < clicks; ++i) {
      add(down);
      add(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
};

}  // namespace

std::unique_ptr<Input> CreateInput() { return std::make_unique<Win32Input>(); }

}  // namespace voz::core::win
