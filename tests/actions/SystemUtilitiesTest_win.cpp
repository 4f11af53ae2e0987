// The system utilities: screen snapshot, temporary files, history records,
// minimize all and its undo.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#include <wincodec.h>

#include <vector>

#include "platform/ui/Win32Window.h"
#include "tests/actions/ActionsFixture_win.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {
namespace {

using test::Exists;
using test::ScratchFolder;

// ---- Screen snapshot -----------------------------------------------------

struct JpegFrame {
  int width = -1, height = -1;
};

// The size in the baseline frame header (SOF0), walking the markers from SOI.
JpegFrame BaselineFrame(const std::string& bytes) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() < 4 || at(0) != 0xFF || at(1) != 0xD8) return {};
  size_t i = 2;
  while (i + 4 <= bytes.size() && at(i) == 0xFF) {
    const unsigned marker = at(i + 1);
    const size_t length = (at(i + 2) << 8) | at(i + 3);
    if (marker == 0xC0 && i + 9 <= bytes.size()) {
      return {(at(i + 7) << 8) | at(i + 8), (at(i + 5) << 8) | at(i + 6)};
    }
    if (marker == 0xDA) break;  // the picture data begins
    i += 2 + length;
  }
  return {};
}

// The colour of one pixel of a picture file, decoded with WIC.
COLORREF PixelOfPicture(const std::wstring& path, UINT x, UINT y) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(&factory)))) {
    return CLR_INVALID;
  }
  COLORREF colour = CLR_INVALID;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  if (SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom))) {
    BYTE bgr[3] = {};
    const WICRect one{static_cast<INT>(x), static_cast<INT>(y), 1, 1};
    if (SUCCEEDED(converter->CopyPixels(&one, 3, 3, bgr))) colour = RGB(bgr[2], bgr[1], bgr[0]);
  }
  if (converter) converter->Release();
  if (frame) frame->Release();
  if (decoder) decoder->Release();
  factory->Release();
  return colour;
}

LRESULT CALLBACK RedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT r{};
    GetClientRect(hwnd, &r);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(reinterpret_cast<HDC>(wParam), &r, red);
    DeleteObject(red);
    return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ScreenSnapshot, WritesAJpegOfTheWholeScreen) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &RedProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VozActionsRed";
  RegisterClassW(&windowClass);
  HWND red = CreateWindowExW(WS_EX_TOPMOST, L"VozActionsRed", L"", WS_POPUP | WS_VISIBLE, 130, 90, 200, 120, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(red);
  UpdateWindow(red);
  test::Pump(200);

  const std::wstring path = ScratchFolder() + L"\\屏幕快照1.jpg";
  auto utilities = CreateSystemUtilities();
  const bool written = utilities->ScreenSnapshot(ui::Narrow(path));
  DestroyWindow(red);
  ASSERT_TRUE(written);

  const std::string bytes = test::ReadBytes(path);
  const JpegFrame frame = BaselineFrame(bytes);
  EXPECT_EQ(frame.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(frame.height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");  // ends with EOI
  // The red window is in the picture where it stood on the screen.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const COLORREF inside = PixelOfPicture(path, static_cast<UINT>(230 - left), static_cast<UINT>(150 - top));
  ASSERT_NE(inside, CLR_INVALID);
  EXPECT_GT(GetRValue(inside), 200);
  EXPECT_LT(GetGValue(inside), 60);
  EXPECT_LT(GetBValue(inside), 60);

  // A second snapshot replaces the file whole.
  ASSERT_TRUE(utilities->ScreenSnapshot(ui::Narrow(path)));
  EXPECT_EQ(BaselineFrame(test::ReadBytes(path)).width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

TEST(ScreenSnapshot, AMissingFolderGivesFalseAndNoFile) {
  auto utilities = CreateSystemUtilities();
  const std::wstring folder = ScratchFolder() + L"\\没有这个文件夹";
  EXPECT_FALSE(utilities->ScreenSnapshot(ui::Narrow(folder + L"\\屏幕快照1.jpg")));
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(utilities->ScreenSnapshot(""));
}

// ---- Temporary files -----------------------------------------------------

// Points the process's temporary folder (TMP) somewhere else for one test.
class TemporaryFolderAt {
 public:
  explicit TemporaryFolderAt(const std::wstring& folder) {
    wchar_t old[MAX_PATH + 1] = {};
    hadOld_ = GetEnvironmentVariableW(L"TMP", old, MAX_PATH + 1) > 0;
    old_ = old;
    SetEnvironmentVariableW(L"TMP", folder.c_str());
  }
  ~TemporaryFolderAt() { SetEnvironmentVariableW(L"TMP", hadOld_ ? old_.c_str() : nullptr); }

 private:
  bool hadOld_ = false;
  std::wstring old_;
};

// Under Wine: a symbolic link made by the host's own "ln", which Wine lists
// as a file or as a folder and opens as its target. (Wine's
// CreateSymbolicLinkW reports success and makes nothing.)
bool MakeHostLink(const std::wstring& target, const std::wstring& link) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  auto toUnix = reinterpret_cast<ToUnix>(
      kernel32 ? reinterpret_cast<void*>(GetProcAddress(kernel32, "wine_get_unix_file_name")) : nullptr);
  if (!toUnix) return false;
  char* unixTarget = toUnix(target.c_str());
  char* unixLink = toUnix(link.c_str());
  bool made = false;
  if (unixTarget && unixLink) {
    // Wine splits the command line for the host program as for its own.
    std::wstring line = L"/bin/ln -s \"" + ui::Wide(unixTarget) + L"\" \"" + ui::Wide(unixLink) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      // The handle of a host program does not tell when it ends.
      made = test::PumpUntil([&] { return Exists(link); }, 5000);
    }
  }
  HeapFree(GetProcessHeap(), 0, unixTarget);
  HeapFree(GetProcessHeap(), 0, unixLink);
  return made;
}

// Links out of the folder, to a folder and to a file: the host's under
// Wine, the system's own on Windows. The count of links made.
int MakeLinksOut(const std::wstring& from, const std::wstring& to) {
  if (test::UnderWine()) {
    return (MakeHostLink(to, from + L"\\link") ? 1 : 0) + (MakeHostLink(to + L"\\keep.txt", from + L"\\file-link.txt") ? 1 : 0);
  }
  constexpr DWORD kUnprivileged = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
  return (CreateSymbolicLinkW((from + L"\\link").c_str(), to.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged) ? 1 : 0) +
         (CreateSymbolicLinkW((from + L"\\file-link.txt").c_str(), (to + L"\\keep.txt").c_str(), kUnprivileged) ? 1 : 0);
}

TEST(DeleteTemporaryFiles, DeletesWhatItCanSkipsFilesInUseAndNeverLeavesTheFolder) {
  const std::wstring temp = ScratchFolder() + L"\\temp";
  const std::wstring outside = ScratchFolder() + L"\\outside";
  for (const std::wstring& folder : {temp, outside, temp + L"\\sub", temp + L"\\sub\\更深", temp + L"\\busy"}) {
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << ui::Narrow(folder);
  }
  ASSERT_TRUE(test::WriteBytes(outside + L"\\keep.txt", "outside"));
  const std::wstring files[] = {temp + L"\\a.txt", temp + L"\\只读.txt", temp + L"\\sub\\b.txt",
                                temp + L"\\sub\\更深\\c.tmp", temp + L"\\held.txt", temp + L"\\busy\\held.txt"};
  for (const std::wstring& file : files) ASSERT_TRUE(test::WriteBytes(file, "x")) << ui::Narrow(file);
  ASSERT_TRUE(SetFileAttributesW((temp + L"\\只读.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  const int links = MakeLinksOut(temp, outside);
  RecordProperty("links_out", links);

  // Open without delete sharing, as a program that uses them would.
  HANDLE held[2];
  for (int i = 0; i < 2; ++i) {
    held[i] = CreateFileW(files[4 + i].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held[i], INVALID_HANDLE_VALUE);
  }
  bool result = false;
  {
    TemporaryFolderAt redirect(temp);
    result = CreateSystemUtilities()->DeleteTemporaryFiles();
  }
  for (HANDLE h : held) CloseHandle(h);

  EXPECT_TRUE(result);
  EXPECT_TRUE(Exists(temp));
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(Exists(files[i])) << ui::Narrow(files[i]);
  EXPECT_FALSE(Exists(temp + L"\\sub"));
  EXPECT_TRUE(Exists(files[4]));
  EXPECT_TRUE(Exists(files[5]));
  EXPECT_EQ(test::ReadBytes(outside + L"\\keep.txt"), "outside");
  if (test::UnderWine()) {
    EXPECT_EQ(links, 2) << "the host's links were not made; nothing tested them";
  }
}

TEST(DeleteTemporaryFiles, AnEmptyFolderIsSuccessAMissingOneIsNot) {
  const std::wstring empty = ScratchFolder() + L"\\empty-temp";
  ASSERT_TRUE(CreateDirectoryW(empty.c_str(), nullptr));
  {
    TemporaryFolderAt redirect(empty);
    EXPECT_TRUE(CreateSystemUtilities()->DeleteTemporaryFiles());
  }
  {
    TemporaryFolderAt redirect(ScratchFolder() + L"\\no-such-temp");
    EXPECT_FALSE(CreateSystemUtilities()->DeleteTemporaryFiles());
  }
}

TEST(DeleteTemporaryFiles, RefusesFoldersThatHoldTheSystemOrTheProfile) {
  // Emptying these by mistake would be a disaster: only in Wine's throw-away prefix.
  if (!test::UnderWine()) GTEST_SKIP() << "runs only in a disposable Wine prefix";
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  PWSTR profile = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &profile)));
  const std::wstring profilePath = profile;
  CoTaskMemFree(profile);
  const std::wstring canary = profilePath + L"\\voz-canary.txt";
  ASSERT_TRUE(test::WriteBytes(canary, "x"));
  const std::wstring drive = std::wstring(windows).substr(0, 3);  // "C:\"
  for (const std::wstring& folder : {std::wstring(windows), profilePath, drive, profilePath + L"\\..", drive + L"users"}) {
    TemporaryFolderAt redirect(folder);
    EXPECT_FALSE(CreateSystemUtilities()->DeleteTemporaryFiles()) << ui::Narrow(folder);
  }
  EXPECT_TRUE(Exists(canary));
  DeleteFileW(canary.c_str());
}

// ---- History records -----------------------------------------------------

constexpr const wchar_t* kHistoryKeys[] = {
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths",
    L"Software\\Microsoft\\Internet Explorer\\TypedURLs",
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs",
};

// Values and subkeys of a key under HKEY_CURRENT_USER; a missing key has none.
DWORD EntriesOf(const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD subkeys = 0, values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  return subkeys + values;
}

TEST(ClearHistory, EmptiesTheRunListAndTheTypedAddresses) {
  if (!test::UnderWine()) GTEST_SKIP() << "clears the user's real history; runs only in a disposable Wine prefix";
  for (const wchar_t* path : kHistoryKeys) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t value[] = L"notepad.exe\\1";
    RegSetValueExW(key, L"a", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegSetValueExW(key, L"url1", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    HKEY sub = nullptr;
    RegCreateKeyExW(key, L"sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr);
    RegCloseKey(sub);
    RegCloseKey(key);
    ASSERT_EQ(EntriesOf(path), 3u);
  }
  EXPECT_TRUE(CreateSystemUtilities()->ClearHistory());
  for (const wchar_t* path : kHistoryKeys) EXPECT_EQ(EntriesOf(path), 0u) << ui::Narrow(path);

  // Nothing left to clear is success too, also when a key is missing.
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, kHistoryKeys[2]), ERROR_SUCCESS);
  EXPECT_TRUE(CreateSystemUtilities()->ClearHistory());
}

TEST(ClearHistory, EmptiesTheRecentDocuments) {
  if (!test::UnderWine()) GTEST_SKIP() << "clears the user's real history; runs only in a disposable Wine prefix";
  PWSTR recent = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Recent, KF_FLAG_CREATE, nullptr, &recent)));
  const std::wstring recentFolder = recent;
  CoTaskMemFree(recent);
  auto shortcuts = [&] {
    int count = 0;
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((recentFolder + L"\\*.lnk").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do ++count;
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return count;
  };
  // The shell's own entry (Wine's takes ANSI names only), and one more.
  const std::wstring document = ScratchFolder() + L"\\recent-document.txt";
  ASSERT_TRUE(test::WriteBytes(document, "x"));
  SHAddToRecentDocs(SHARD_PATHW, document.c_str());
  ASSERT_TRUE(test::WriteBytes(recentFolder + L"\\最近的文档.txt.lnk", "not really a shortcut"));
  const std::wstring other = recentFolder + L"\\not-a-shortcut.txt";
  ASSERT_TRUE(test::WriteBytes(other, "stays"));
  EXPECT_TRUE(test::PumpUntil([&] { return shortcuts() == 2; }, 3000)) << shortcuts();
  EXPECT_GT(EntriesOf(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"), 0u);

  EXPECT_TRUE(CreateSystemUtilities()->ClearHistory());
  EXPECT_EQ(shortcuts(), 0);
  EXPECT_EQ(EntriesOf(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"), 0u);
  EXPECT_TRUE(Exists(other));
  DeleteFileW(other.c_str());
}

// ---- Minimize all --------------------------------------------------------

TEST(MinimizeAll, MinimizesAppWindowsAndTheUndoRestoresThem) {
  // Wine's shell has no such command; this checks the way taken without it.
  if (!test::UnderWine()) GTEST_SKIP() << "the system shell's own command would act on the whole desktop";
  auto make = [](DWORD exStyle, DWORD style, HWND owner, int x) {
    HWND hwnd = CreateWindowExW(exStyle, L"VozActionsRed", L"窗口", style, x, 100, 200, 150, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
  };
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &RedProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VozActionsRed";
  RegisterClassW(&windowClass);
  HWND first = make(0, WS_OVERLAPPEDWINDOW, nullptr, 50);
  HWND second = make(0, WS_OVERLAPPEDWINDOW, nullptr, 300);
  HWND tool = make(WS_EX_TOOLWINDOW, WS_OVERLAPPEDWINDOW, nullptr, 550);
  HWND owned = make(0, WS_OVERLAPPEDWINDOW, first, 800);
  HWND noBox = make(0, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, nullptr, 1000);
  test::Pump(100);

  auto utilities = CreateSystemUtilities();
  utilities->MinimizeAllWindows();
  EXPECT_TRUE(test::PumpUntil([&] { return IsIconic(first) && IsIconic(second); }, 2000));
  EXPECT_FALSE(IsIconic(tool));
  EXPECT_FALSE(IsIconic(noBox));
  (void)owned;  // an owned window goes with its owner

  utilities->RestoreAllWindows();
  EXPECT_TRUE(test::PumpUntil([&] { return !IsIconic(first) && !IsIconic(second); }, 2000));
  EXPECT_TRUE(IsWindowVisible(first));
  // The undo restores only what the command minimized.
  ShowWindow(second, SW_MINIMIZE);
  utilities->RestoreAllWindows();
  test::Pump(200);
  EXPECT_TRUE(IsIconic(second));
  for (HWND hwnd : {owned, first, second, tool, noBox}) DestroyWindow(hwnd);
}

}  // namespace
}  // namespace voz::core::win
