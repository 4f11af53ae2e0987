// Pixels of the screen: for recognising a message box's icon and for the
// screenshots of failed tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/driver/Window.h"

namespace voz::e2e {

struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, rows from the top
  std::uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// A rectangle of the screen as it shows now; the whole screen without one.
Pixels CaptureScreen();
Pixels CaptureScreen(const Rect& area);

// A 24-bit BMP file; false when it could not be written.
bool SaveBmp(const Pixels& pixels, const std::wstring& path);

}  // namespace voz::e2e
