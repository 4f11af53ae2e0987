#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "tests/e2e/driver/MessageBoxProbe.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/Screen.h"

namespace voz::e2e {

namespace {

constexpr int kTextId = 0xFFFF;

// One system icon drawn by this process. `opaque` marks the pixels the icon
// covers: those that come out alike on a black and a white background.
struct IconImage {
  BoxIcon kind;
  Pixels drawn;
  std::vector<bool> opaque;
};

Pixels Draw(HICON icon, int size, COLORREF background) {
  Pixels pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, size, size};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    pixels.width = pixels.height = size;
    const auto* source = static_cast<const std::uint32_t*>(bits);
    pixels.rgb.assign(source, source + static_cast<size_t>(size) * size);
    for (auto& p : pixels.rgb) p &= 0xFFFFFF;
    SelectObject(memory, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

IconImage MakeImage(BoxIcon kind, LPCWSTR id, int size) {
  HICON icon = LoadIconW(nullptr, id);
  IconImage image{kind, Draw(icon, size, RGB(0, 0, 0)), {}};
  const Pixels onWhite = Draw(icon, size, RGB(255, 255, 255));
  image.opaque.resize(image.drawn.rgb.size());
  for (size_t i = 0; i < image.drawn.rgb.size() && i < onWhite.rgb.size(); ++i) {
    image.opaque[i] = image.drawn.rgb[i] == onWhite.rgb[i];
  }
  return image;
}

bool Close(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 24) return false;
  }
  return true;
}

// The share of the icon's opaque pixels that the screen shows alike, at the
// best offset inside the captured area.
double Match(const IconImage& image, const Pixels& screen) {
  double best = 0;
  const int size = image.drawn.width;
  for (int dy = 0; dy + size <= screen.height && dy <= 8; ++dy) {
    for (int dx = 0; dx + size <= screen.width && dx <= 8; ++dx) {
      int opaque = 0, alike = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const size_t i = static_cast<size_t>(y) * size + x;
          if (!image.opaque[i]) continue;
          ++opaque;
          alike += Close(image.drawn.rgb[i], screen.At(dx + x, dy + y));
        }
      }
      if (opaque > 0) best = std::max(best, static_cast<double>(alike) / opaque);
    }
  }
  return best;
}

BoxIcon RecogniseIcon(Hwnd iconStatic) {
  const int size = GetSystemMetrics(SM_CXICON);
  const IconImage images[] = {
      MakeImage(BoxIcon::Information, IDI_INFORMATION, size),
      MakeImage(BoxIcon::Warning, IDI_WARNING, size),
      MakeImage(BoxIcon::Error, IDI_ERROR, size),
      MakeImage(BoxIcon::Question, IDI_QUESTION, size),
  };
  BoxIcon found = BoxIcon::Unknown;
  // The box may still be painting when it is first seen.
  WaitUntil(
      [&] {
        const Pixels shown = CaptureScreen(ScreenRect(iconStatic));
        double best = 0.9;
        for (const auto& image : images) {
          const double score = Match(image, shown);
          if (score > best) {
            best = score;
            found = image.kind;
          }
        }
        return found != BoxIcon::Unknown;
      },
      milliseconds(1000));
  return found;
}

}  // namespace

const char* BoxIconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return "none";
    case BoxIcon::Information: return "information";
    case BoxIcon::Warning: return "warning";
    case BoxIcon::Error: return "error";
    case BoxIcon::Question: return "question";
    case BoxIcon::Unknown: break;
  }
  return "unknown";
}

std::optional<MessageBoxView> FindMessageBox(unsigned long pid, const std::optional<std::string>& title) {
  for (Hwnd box : TopWindows(pid, L"#32770")) {
    if (!IsShown(box)) continue;
    Hwnd text = FindDescendant(box, kTextId);
    if (text == nullptr) continue;
    MessageBoxView view{box, WindowText(box), WindowText(text)};
    if (title && view.title != *title) continue;
    return view;
  }
  return std::nullopt;
}

std::optional<MessageBoxView> WaitMessageBox(unsigned long pid, const std::optional<std::string>& title,
                                             milliseconds timeout) {
  std::optional<MessageBoxView> view;
  WaitUntil([&] { return (view = FindMessageBox(pid, title)).has_value(); }, timeout);
  return view;
}

BoxIcon MessageBoxIcon(Hwnd box) {
  for (Hwnd control : DescendantsOfClass(box, L"Static")) {
    if ((Style(control) & SS_TYPEMASK) != SS_ICON || !IsShown(control)) continue;
    if (Send(control, STM_GETICON, 0, 0).value_or(0) == 0) continue;
    return RecogniseIcon(control);
  }
  return BoxIcon::None;
}

bool AnswerMessageBox(Hwnd box, int button) {
  if (!IsAlive(box)) return false;
  Post(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  return WaitUntil([&] { return !IsAlive(box); });
}

}  // namespace voz::e2e
