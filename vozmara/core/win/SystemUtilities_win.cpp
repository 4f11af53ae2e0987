// The system utilities: clearing the history records, deleting the temporary
// files, minimizing all windows and undoing it, and the screen snapshot.
#include <windows.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shldisp.h>
#include <shlobj.h>
#include <wincodec.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/ui/Win32Window.h"
#include "platform/win/ComPtr.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

using voz::win::ComPtr;

// ---- Paths and deletion ---------------------------------------------------

bool SameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// True when `path` lies inside `folder` (neither with a trailing separator).
bool IsInside(const std::wstring& path, const std::wstring& folder) {
  return path.size() > folder.size() + 1 && path[folder.size()] == L'\\' &&
         SameText(path.substr(0, folder.size()), folder);
}

bool IsWithin(const std::wstring& path, const std::wstring& folder) {
  return SameText(path, folder) || IsInside(path, folder);
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

// An absolute path with long names and without "." and "..".
std::wstring Normalised(const std::wstring& path) {
  if (path.empty()) return {};
  std::wstring full(MAX_PATH, L'\0');
  DWORD got = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (got >= full.size()) {
    full.resize(got + 1);
    got = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (got == 0 || got >= full.size()) return {};
  full.resize(got);
  std::wstring longer(full.size() + MAX_PATH, L'\0');
  got = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (got > 0 && got < longer.size()) {
    longer.resize(got);
    full = longer;
  }
  return WithoutTrailingSeparators(full);
}

// The form that lifts the MAX_PATH limit; the path is already normalised.
std::wstring Extended(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

std::wstring FinalPathOf(HANDLE handle) {
  std::wstring result(MAX_PATH, L'\0');
  DWORD got = GetFinalPathNameByHandleW(handle, result.data(), static_cast<DWORD>(result.size()), 0);
  if (got >= result.size()) {
    result.resize(got + 1);
    got = GetFinalPathNameByHandleW(handle, result.data(), static_cast<DWORD>(result.size()), 0);
  }
  if (got == 0 || got >= result.size()) return {};
  result.resize(got);
  return WithoutTrailingSeparators(result);
}

// The path as the file system resolves it, links followed; empty when it
// cannot be opened.
std::wstring FinalPath(const std::wstring& path) {
  HANDLE handle =
      CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  std::wstring result = FinalPathOf(handle);
  CloseHandle(handle);
  return result;
}

// Deletes one file or empty folder inside `folderFinal` (a final path), also
// a read-only one. A link is deleted itself, never what it points to: it is
// opened as a link, and where the system resolves it all the same (Wine does
// so for its host's symbolic links, and deleting would then delete the
// target) the entry is left alone unless it resolves inside the folder.
// Something in use (opened without delete sharing) stays as it was.
bool DeleteEntry(const std::wstring& path, const std::wstring& folderFinal) {
  HANDLE handle = CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  bool deleted = false;
  if (IsInside(FinalPathOf(handle), folderFinal)) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    deleted = SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
    FILE_BASIC_INFO basic{};
    if (!deleted && GetLastError() == ERROR_ACCESS_DENIED &&
        GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) &&
        (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
      // Zero times leave the times as they are.
      FILE_BASIC_INFO writable{};
      writable.FileAttributes = basic.FileAttributes & ~FILE_ATTRIBUTE_READONLY;
      if (writable.FileAttributes == 0) writable.FileAttributes = FILE_ATTRIBUTE_NORMAL;
      if (SetFileInformationByHandle(handle, FileBasicInfo, &writable, sizeof writable)) {
        deleted = SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
        if (!deleted) {
          FILE_BASIC_INFO restore{};
          restore.FileAttributes = basic.FileAttributes;
          SetFileInformationByHandle(handle, FileBasicInfo, &restore, sizeof restore);
        }
      }
    }
  }
  CloseHandle(handle);  // the deletion happens here
  return deleted;
}

std::wstring KnownFolderPath(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)) && path) result = path;
  CoTaskMemFree(path);
  return Normalised(result);
}

// ---- History records ------------------------------------------------------

// Under HKEY_CURRENT_USER: the Run dialog's list, the addresses typed into
// Explorer's address bar and into the web browser, and the shell's list of
// recent documents.
constexpr const wchar_t* kHistoryKeys[] = {
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths",
    L"Software\\Microsoft\\Internet Explorer\\TypedURLs",
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs",
};

// Deletes the values and subkeys of the key, keeping the key itself. A key
// that does not exist holds nothing to clear.
bool EmptyKey(const wchar_t* path) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0,
                                    DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  const LONG deleted = RegDeleteTreeW(key, nullptr);
  RegCloseKey(key);
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

// The shortcuts (*.lnk) directly in the user's Recent folder; the shell's
// own clearing leaves them under Wine. One in use is skipped.
void DeleteRecentShortcuts() {
  const std::wstring folder = KnownFolderPath(FOLDERID_Recent);
  const std::wstring folderFinal = folder.empty() ? std::wstring() : FinalPath(folder);
  if (folderFinal.empty()) return;
  const std::wstring listed = Extended(folder);
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileExW((listed + L"\\*.lnk").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                 nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteEntry(listed + L"\\" + entry.cFileName, folderFinal);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

bool ClearHistoryRecords() {
  bool ok = true;
  for (const wchar_t* path : kHistoryKeys) ok = EmptyKey(path) && ok;
  SHAddToRecentDocs(SHARD_PIDL, nullptr);
  DeleteRecentShortcuts();
  return ok;
}

// ---- Temporary files ------------------------------------------------------

std::wstring SystemFolder(UINT(WINAPI* get)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT got = get(buffer, MAX_PATH + 1);
  return got > 0 && got <= MAX_PATH ? Normalised(buffer) : std::wstring();
}

// A temporary folder set to a drive's root, the Windows folder or the
// profile (GetTempPath falls back to the Windows folder) must not be emptied.
bool IsSafeToEmpty(const std::wstring& folder) {
  if (folder.size() < 4) return false;
  wchar_t volume[MAX_PATH + 1] = {};
  if (!GetVolumePathNameW(folder.c_str(), volume, MAX_PATH + 1)) return false;
  if (SameText(WithoutTrailingSeparators(volume), folder)) return false;
  const std::wstring guarded[] = {
      SystemFolder(&GetWindowsDirectoryW),    SystemFolder(&GetSystemDirectoryW),
      KnownFolderPath(FOLDERID_Profile),      KnownFolderPath(FOLDERID_Desktop),
      KnownFolderPath(FOLDERID_Documents),    KnownFolderPath(FOLDERID_ProgramFiles),
      KnownFolderPath(FOLDERID_LocalAppData), KnownFolderPath(FOLDERID_RoamingAppData),
  };
  for (const std::wstring& kept : guarded) {
    if (!kept.empty() && IsWithin(kept, folder)) return false;
  }
  return true;
}

// Deletes what the folder holds, keeping the folder. What cannot go (in use,
// no access) is skipped; links are never entered (see DeleteEntry). False
// only when the folder itself cannot be listed.
bool EmptyFolder(const std::wstring& root) {
  const std::wstring rootFinal = FinalPath(root);
  if (rootFinal.empty()) return false;

  // Folders are listed breadth-first, which needs no deep recursion, and
  // deleted deepest first once their contents are gone.
  std::vector<std::wstring> folders{Extended(root)};
  for (size_t i = 0; i < folders.size(); ++i) {
    const std::wstring folder = folders[i];
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
      if (i == 0 && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
      continue;
    }
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      const bool isLink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      if (isFolder && !isLink) {
        // Entered only when it resolves inside the folder.
        if (IsInside(FinalPath(path), rootFinal)) folders.push_back(path);
      } else {
        DeleteEntry(path, rootFinal);
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  for (size_t i = folders.size(); i-- > 1;) DeleteEntry(folders[i], rootFinal);
  return true;
}

bool DeleteTemporaryFolderContents() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD got = GetTempPathW(MAX_PATH + 2, buffer);
  if (got == 0 || got > MAX_PATH + 1) return false;
  const std::wstring folder = Normalised(buffer);
  if (folder.empty() || !IsSafeToEmpty(folder)) return false;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  return EmptyFolder(folder);
}

// ---- Minimize all ---------------------------------------------------------

// The windows that the taskbar's "minimize all" would minimize: visible,
// unowned, with a minimize box, not tool windows and not disabled (a window
// disabled by its modal dialog stays with that dialog).
bool IsMinimizable(HWND window) {
  if (!IsWindowVisible(window) || IsIconic(window) || GetWindow(window, GW_OWNER)) return false;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return (style & WS_MINIMIZEBOX) && !(style & WS_DISABLED) && !(exStyle & WS_EX_TOOLWINDOW);
}

BOOL CALLBACK CollectMinimizable(HWND window, LPARAM list) {
  if (IsMinimizable(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The shell's own command, when the shell offers it (Wine's answers E_NOTIMPL).
bool ShellCommand(bool minimize) {
  ComPtr<IShellDispatch> shell;
  if (FAILED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IShellDispatch,
                              reinterpret_cast<void**>(shell.Put())))) {
    return false;
  }
  return SUCCEEDED(minimize ? shell->MinimizeAll() : shell->UndoMinimizeALL());
}

// ---- Screen snapshot ------------------------------------------------------

// The whole virtual screen as a 24-bit top-down bitmap, grabbed once.
struct ScreenPicture {
  int width = 0, height = 0;
  UINT stride = 0;
  std::vector<BYTE> rows;
};

bool GrabScreen(ScreenPicture& picture) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as the encoder takes the rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = bitmap && bits ? CreateCompatibleDC(screen) : nullptr;
  bool grabbed = false;
  if (memory) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    // CAPTUREBLT takes layered windows in too.
    grabbed = BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (grabbed) {
    picture.width = width;
    picture.height = height;
    picture.stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    const BYTE* first = static_cast<const BYTE*>(bits);
    picture.rows.assign(first, first + static_cast<size_t>(picture.stride) * static_cast<size_t>(height));
  }
  if (bitmap) DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return grabbed;
}

// The picture as JPEG file bytes (Windows Imaging Component's encoder).
std::string EncodeJpeg(ScreenPicture& picture) {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Put())))) {
    return {};
  }
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()))) return {};
  ComPtr<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, encoder.Put())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))) {
    return {};
  }
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  if (FAILED(encoder->CreateNewFrame(frame.Put(), options.Put()))) return {};
  if (options.Get()) {
    PROPBAG2 name{};
    name.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT quality;
    VariantInit(&quality);
    quality.vt = VT_R4;
    quality.fltVal = 0.9f;
    options->Write(1, &name, &quality);  // the encoder's default quality otherwise
  }
  if (FAILED(frame->Initialize(options.Get()))) return {};
  if (FAILED(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height)))) return {};
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR) return {};
  if (FAILED(frame->WritePixels(static_cast<UINT>(picture.height), picture.stride,
                                static_cast<UINT>(picture.rows.size()), picture.rows.data())) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return {};
  }
  HGLOBAL memory = nullptr;
  STATSTG stat{};
  if (FAILED(GetHGlobalFromStream(stream.Get(), &memory)) || FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
  const void* bytes = GlobalLock(memory);
  if (!bytes) return {};
  std::string result(static_cast<const char*>(bytes), static_cast<size_t>(stat.cbSize.QuadPart));
  GlobalUnlock(memory);
  return result;
}

class Win32SystemUtilities final : public SystemUtilities {
 public:
  bool ClearHistory() override { return ClearHistoryRecords(); }

  bool DeleteTemporaryFiles() override { return DeleteTemporaryFolderContents(); }

  void MinimizeAllWindows() override {
    if (ShellCommand(true)) {
      shellMinimized_ = true;
      return;
    }
    // The shell cannot: minimize the windows ourselves and remember them.
    std::vector<HWND> windows;
    EnumWindows(&CollectMinimizable, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
      // Asynchronous: a hung program must not stop the window thread.
      ShowWindowAsync(window, SW_MINIMIZE);
      if (std::find(minimized_.begin(), minimized_.end(), window) == minimized_.end()) minimized_.push_back(window);
    }
  }

  void RestoreAllWindows() override {
    if (shellMinimized_) {
      shellMinimized_ = false;
      if (ShellCommand(false)) return;
    }
    // The bottom window first, so that the top one ends up on top.
    for (auto it = minimized_.rbegin(); it != minimized_.rend(); ++it) {
      if (IsWindow(*it) && IsIconic(*it)) ShowWindowAsync(*it, SW_RESTORE);
    }
    minimized_.clear();
  }

  bool ScreenSnapshot(const std::string& path) override {
    if (path.empty()) return false;
    ScreenPicture picture;
    if (!GrabScreen(picture)) return false;
    const std::string jpeg = EncodeJpeg(picture);
    if (jpeg.empty()) return false;
    files::FileSystem& fs = files::RealFileSystem();
    return files::WriteFileAtomically(fs, path, jpeg) && fs.Exists(path);
  }

 private:
  bool shellMinimized_ = false;
  std::vector<HWND> minimized_;  // top window first
};

}  // namespace

std::unique_ptr<SystemUtilities> CreateSystemUtilities() { return std::make_unique<Win32SystemUtilities>(); }

}  // namespace voz::core::win
