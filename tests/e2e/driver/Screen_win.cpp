#include <windows.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/driver/Screen.h"

namespace voz::e2e {

Pixels CaptureScreen() {
  return CaptureScreen(Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

Pixels CaptureScreen(const Rect& area) {
  Pixels pixels;
  if (area.Width() <= 0 || area.Height() <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.Width();
  info.bmiHeader.biHeight = -area.Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.Width(), area.Height(), screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    pixels.width = area.Width();
    pixels.height = area.Height();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    pixels.rgb.assign(source, source + static_cast<size_t>(pixels.width) * pixels.height);
    for (auto& p : pixels.rgb) p &= 0xFFFFFF;
    SelectObject(memory, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool SaveBmp(const Pixels& pixels, const std::wstring& path) {
  if (pixels.width <= 0 || pixels.height <= 0) return false;
  const int stride = (pixels.width * 3 + 3) & ~3;
  const DWORD imageBytes = static_cast<DWORD>(stride) * pixels.height;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageBytes;
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = imageBytes;
  std::string image(imageBytes, '\0');
  for (int y = 0; y < pixels.height; ++y) {
    char* row = image.data() + static_cast<size_t>(pixels.height - 1 - y) * stride;
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t p = pixels.At(x, y);
      row[x * 3 + 0] = static_cast<char>(p & 0xFF);
      row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
    }
  }
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(image.data(), static_cast<std::streamsize>(image.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace voz::e2e
