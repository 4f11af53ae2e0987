// The Win32 adapters without windows of their own: pictures and resources,
// the process list, the system volume and the tray icon.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>

#include "resources/vozmara/ResourceIds.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {
namespace {

// The program runs its window thread in a single-threaded apartment.
class ComEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};
const auto* const kCom = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

struct Pixels {
  int width = 0, height = 0;
  std::vector<unsigned char> bgrx;  // top-down rows
  unsigned char At(int x, int y, int channel) const { return bgrx[(static_cast<size_t>(y) * width + x) * 4 + channel]; }
};

// Reads a decoded picture back through GDI, so the test sees what a window would.
Pixels Read(HBITMAP bitmap) {
  Pixels p;
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info)) return p;
  p.width = info.bmWidth;
  p.height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = p.width;
  request.bmiHeader.biHeight = -p.height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  p.bgrx.resize(static_cast<size_t>(p.width) * p.height * 4);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(p.height), p.bgrx.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return p;
}

std::string SkinBytes() { return ResourceBytes(GetModuleHandleW(nullptr), IDR_SKIN); }

TEST(Picture, BuiltInSkinDecodesTo450By250) {
  const std::string bytes = SkinBytes();
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");

  HBITMAP bitmap = DecodePicture(bytes);
  ASSERT_NE(bitmap, nullptr);
  const Pixels p = Read(bitmap);
  DeleteObject(bitmap);
  EXPECT_EQ(p.width, 450);
  EXPECT_EQ(p.height, 250);
  // The banner area is light, so the dark banner text stays readable.
  ASSERT_EQ(p.bgrx.size(), 450u * 250u * 4u);
  for (int c = 0; c < 3; ++c) EXPECT_GT(p.At(100, 60, c), 180) << c;
}

TEST(Picture, BmpRowsAndColoursArriveInPlace) {
  // A 2 x 2, 24-bit BMP; its rows are stored bottom-up, each padded to 8 bytes.
  const unsigned char file[] = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                          // file header
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,  // info header
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0, 0, 255, 0, 255, 0, 0, 0,      // bottom row: red, green
      255, 0, 0, 255, 255, 255, 0, 0,  // top row: blue, white
  };
  HBITMAP bitmap = DecodePicture(std::string(reinterpret_cast<const char*>(file), sizeof file));
  ASSERT_NE(bitmap, nullptr);
  const Pixels p = Read(bitmap);
  DeleteObject(bitmap);
  ASSERT_EQ(p.width, 2);
  ASSERT_EQ(p.height, 2);
  auto rgb = [&](int x, int y) { return std::vector<int>{p.At(x, y, 2), p.At(x, y, 1), p.At(x, y, 0)}; };
  EXPECT_EQ(rgb(0, 0), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(rgb(1, 0), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(rgb(0, 1), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(rgb(1, 1), (std::vector<int>{0, 255, 0}));
}

TEST(Picture, BrokenBytesGiveNullOrAWholePicture) {
  const std::string skin = SkinBytes();
  ASSERT_FALSE(skin.empty());
  std::string scrambled = skin;
  for (size_t i = 600; i < scrambled.size(); i += 7) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);

  const std::string nothing[] = {"", "not a picture at all", skin.substr(0, 2), skin.substr(0, 120)};
  for (const std::string& bytes : nothing) {
    HBITMAP bitmap = DecodePicture(bytes);
    EXPECT_EQ(bitmap, nullptr) << bytes.size();
    if (bitmap) DeleteObject(bitmap);
  }
  // A decoder may fill in what is missing; either way there is no crash and
  // no bitmap of a wrong size.
  for (const std::string& bytes : {skin.substr(0, skin.size() / 2), scrambled}) {
    HBITMAP bitmap = DecodePicture(bytes);
    if (!bitmap) continue;
    const Pixels p = Read(bitmap);
    DeleteObject(bitmap);
    EXPECT_EQ(p.width, 450);
    EXPECT_EQ(p.height, 250);
  }
}

TEST(Picture, MissingResourceIsEmpty) {
  EXPECT_EQ(ResourceBytes(GetModuleHandleW(nullptr), 9999), "");
  EXPECT_EQ(ResourceBytes(GetModuleHandleW(nullptr), IDI_TRAY_IDLE), "");  // an icon, not RCDATA
}

// The colour at the middle of the microphone's head, drawn over white.
COLORREF MicrophoneColour(int iconId) {
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  if (!icon) return CLR_INVALID;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 32, 32};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  const COLORREF colour = GetPixel(dc, 16, 10);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  return colour;
}

TEST(Resources, IconsLoadAndTheTrayIconsDiffer) {
  for (int id : {IDI_VOZMARA, IDI_TRAY_IDLE, IDI_TRAY_ACTIVE}) {
    for (int size : {16, 32, 48}) {
      HICON icon = static_cast<HICON>(
          LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
      EXPECT_NE(icon, nullptr) << id << " at " << size;
      if (icon) DestroyIcon(icon);
    }
  }
  const COLORREF idle = MicrophoneColour(IDI_TRAY_IDLE);
  const COLORREF active = MicrophoneColour(IDI_TRAY_ACTIVE);
  ASSERT_NE(idle, CLR_INVALID);
  ASSERT_NE(active, CLR_INVALID);
  // Idle is grey, active is green.
  EXPECT_LT(std::abs(GetRValue(idle) - GetGValue(idle)), 20);
  EXPECT_LT(GetGValue(idle), 200);
  EXPECT_GT(GetGValue(active), GetRValue(active) + 60);
}

TEST(ProcessList, FindsThisProgramWithItsOnDiskCase) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  std::string utf8(name.begin(), name.end());  // the test's own name is ASCII

  const std::vector<std::string> names = CreateProcessList()->ExecutableNames();
  EXPECT_GE(std::count(names.begin(), names.end(), utf8), 1) << utf8;
  EXPECT_GT(names.size(), 1u);
}

TEST(SystemVolume, ReadsAndWritesTheMasterVolume) {
  auto volume = CreateSystemVolume();
  EXPECT_EQ(volume->Maximum(), 65535u);
  unsigned left = 99999, right = 99999;
  EXPECT_FALSE(volume->Read(left, right)) << "not open yet";
  ASSERT_TRUE(volume->Open()) << "no Core Audio endpoint and no mixer";

  unsigned originalLeft = 0, originalRight = 0;
  ASSERT_TRUE(volume->Read(originalLeft, originalRight));
  EXPECT_LE(originalLeft, 65535u);
  EXPECT_LE(originalRight, 65535u);

  for (unsigned level : {19660u, 65535u, 0u, 32767u}) {
    ASSERT_TRUE(volume->Write(level, level)) << level;
    ASSERT_TRUE(volume->Read(left, right));
    EXPECT_EQ(left, level);
    EXPECT_EQ(right, level);
  }
  // Two channels keep their own levels; a single control (Wine's mixer) holds
  // one level for both, between the two.
  ASSERT_TRUE(volume->Write(40000, 20000));
  ASSERT_TRUE(volume->Read(left, right));
  if (left != 40000 || right != 20000) {
    EXPECT_EQ(left, right);
    EXPECT_GE(left, 20000u);
    EXPECT_LE(left, 40000u);
  }
  // Beyond the maximum is the maximum.
  ASSERT_TRUE(volume->Write(70000, 70000));
  ASSERT_TRUE(volume->Read(left, right));
  EXPECT_EQ(left, 65535u);

  EXPECT_TRUE(volume->Write(originalLeft, originalRight));
  volume->Close();
  EXPECT_FALSE(volume->Read(left, right));
  EXPECT_FALSE(volume->Write(1, 1));
}

// Whether the shell knows an icon of this window: only a known icon can be changed.
bool TrayHasIcon(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(Tray, AddChangeRemoveAndComeBackAfterTheShellForgot) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"tray owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  HICON idle = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY_IDLE));
  HICON active = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY_ACTIVE));
  auto tray = CreateTray(owner, WM_APP + 1, idle, active);

  EXPECT_FALSE(TrayHasIcon(owner));
  tray->Show(TrayIconKind::Idle, "Vozmara V9.0\r\n彻底解放您的双手!");
  EXPECT_TRUE(TrayHasIcon(owner));
  // A tip longer than the shell keeps, ending in a character outside the BMP.
  std::string longTip(126, 'x');
  longTip += "\xF0\x9F\x8E\xA4 and more";
  tray->Show(TrayIconKind::Active, longTip);
  EXPECT_TRUE(TrayHasIcon(owner));

  // Explorer restarted and forgot the icon: showing it again adds it anew.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  EXPECT_FALSE(TrayHasIcon(owner));
  tray->Show(TrayIconKind::Idle, "Vozmara V9.0\r\n状态:正在控制");
  EXPECT_TRUE(TrayHasIcon(owner));

  tray->Remove();
  EXPECT_FALSE(TrayHasIcon(owner));
  tray->Remove();  // twice is harmless
  tray->Show(TrayIconKind::Idle, "");
  EXPECT_TRUE(TrayHasIcon(owner));
  tray.reset();  // going away takes the icon with it
  EXPECT_FALSE(TrayHasIcon(owner));
  DestroyWindow(owner);
}

}  // namespace
}  // namespace voz::core::win
