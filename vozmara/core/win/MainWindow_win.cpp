#include "vozmara/core/win/MainWindow_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/files/FileSystem.h"
#include "platform/text/Encoding.h"
#include "resources/vozmara/ResourceIds.h"
#include "speech/TextRecognizer.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/Dispatch.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/NumberEntry.h"
#include "vozmara/core/RemoteProtocol.h"
#include "vozmara/core/Startup.h"
#include "vozmara/core/WindowCommands.h"
#include "vozmara/core/win/ActionAdapters_win.h"
#include "vozmara/core/win/Adapters_win.h"
#include "vozmara/core/win/RangeDialog_win.h"

namespace voz::core::win {

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size()) {
      path.resize(got);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, speech::SpeechEngine& engine, speech::SpeechSynthesizer& voice)
    : instance_(instance),
      voice_(voice),
      window_(MainWindowDesign()),
      recognizer_(engine.CreateRecognizer()),
      iniFiles_(files::RealFileSystem()),
      store_(files::RealFileSystem()),
      library_(store_) {}

MainWindow::~MainWindow() {
  if (skin_) DeleteObject(skin_);
}

bool MainWindow::Create() {
  icon_ = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VOZMARA));
  idleIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TRAY_IDLE), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  activeIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TRAY_ACTIVE), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  if (!window_.Create(instance_, &MainWindow::Procedure, this, icon_)) return false;
  HWND hwnd = window_.Handle();
  window_.paintBackground = [this](HDC dc) { PaintSkin(dc); };
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

  settings_ = std::make_unique<IniSettings>(iniFiles_, Directory() + kSettingsFileName);
  dialogs_ = CreateDialogs(hwnd, instance_);
  tray_ = CreateTray(hwnd, kTrayMessage, idleIcon_, activeIcon_);
  volume_ = CreateSystemVolume();
  processes_ = CreateProcessList();
  pointer_ = CreatePointerWindows();
  input_ = CreateInput();
  clipboard_ = CreateClipboard();
  shell_ = CreateShell();
  messages_ = CreateWindowMessages();
  utilities_ = CreateSystemUtilities();
  questions_ = CreateQuestions(hwnd);
  mute_ = CreateMuteSwitch();
  actions_ = std::unique_ptr<ActionPlatform>(
      new ActionPlatform{*input_, *clipboard_, *shell_, *messages_, *utilities_, *questions_, *mute_});
  rangeDialog_ = CreateRangeDialog(hwnd, instance_, *settings_);
  context_ = std::unique_ptr<MainContext>(new MainContext{
      window_, state_, library_, *recognizer_, voice_, *settings_, *dialogs_, *tray_, *volume_, *processes_,
      *pointer_, *this, *this, files::RealFileSystem(), *actions_, operations_, *rangeDialog_});
  RegisterMainWindowOperations(operations_);
  recognizer_->SetRecognisedHandler([this](const std::string& text) { DispatchPhrase(*context_, text); });

  // The built-in skin until the creation steps find the user's.
  const std::string builtIn = ResourceBytes(instance_, IDR_SKIN);
  if (!builtIn.empty()) SetSkinPicture(builtIn);

  if (!CreateMainWindow(*context_)) return false;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return true;
}

LRESULT CALLBACK MainWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Messages during creation arrive before the context exists.
  if (!self || !self->context_) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = window_.Handle();
  LRESULT handled = 0;
  if (window_.HandleMessage(message, wParam, lParam, handled)) return handled;
  MainContext& c = *context_;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == window_.Control(滑块条1)) ApplyVolumeSlider(c);
      return 0;
    case WM_TIMER:
      if (wParam == 时钟1) ChatDetectionTick(c);
      return 0;
    case kTrayMessage:
      if (LOWORD(lParam) == WM_LBUTTONDBLCLK) TrayEvent(c, TrayMouse::LeftDoubleClick);
      if (LOWORD(lParam) == WM_RBUTTONUP) TrayEvent(c, TrayMouse::RightClick);
      return 0;
    case WM_COPYDATA:
      return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
      if (!quitting_) MainWindowClosing(c);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // Explorer restarted: put the icon back as it was.
    const std::string status = ControlStatusText(window_);
    tray_->Show(status == kStatusRunning ? TrayIconKind::Active : TrayIconKind::Idle,
                status == kStatusNeverStarted ? kTipAfterStart : kTipPrefix + status);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int notification, HWND control) {
  MainContext& c = *context_;
  if (control == nullptr) {  // a menu entry
    operations_.Run(id, c);
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (id) {
    case 中文单选框:
      LanguageClicked(c, 0);
      break;
    case 英文单选框:
      LanguageClicked(c, 1);
      break;
    case 选择框1:
      ShowCommandsClicked(c);
      break;
    case ＱＱ聊天选择框:
      ChatBoxClicked(c);
      break;
    case 专录数字选择框:
      NumberEntryClicked(c.window, c.library, c.settings, c.rangeDialog, c.state.numberEntry);
      break;
    default:
      break;
  }
}

LRESULT MainWindow::OnCopyData(const COPYDATASTRUCT& data) {
  const auto* chars = static_cast<const char16_t*>(data.lpData);
  const std::u16string payload = chars ? std::u16string(chars, data.cbData / sizeof(char16_t)) : std::u16string();
  const std::string text = voz::text::Utf16ToUtf8(payload);
  if (data.dwData == kCopyDataSayPhrase) {
    // Only the text engine takes phrases from outside.
    auto* textRecognizer = dynamic_cast<speech::TextRecognizer*>(recognizer_.get());
    return textRecognizer && textRecognizer->Deliver(text) ? 1 : 0;
  }
  if (data.dwData == kCopyDataReportMenus) {
    return files::WriteFileAtomically(files::RealFileSystem(), text, window_.DescribeMenus()) ? 1 : 0;
  }
  return 0;
}

void MainWindow::PaintSkin(HDC dc) {
  if (!skin_) return;
  const ui::ControlDesign* picture = MainWindowDesign().Find(图片框1);
  BITMAP info{};
  GetObjectW(skin_, sizeof info, &info);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, skin_);
  const int x = window_.Scale(picture->x), y = window_.Scale(picture->y);
  const int width = window_.Scale(picture->width), height = window_.Scale(picture->height);
  if (width == info.bmWidth && height == info.bmHeight) {
    BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

bool MainWindow::SetSkinPicture(const std::string& bytes) {
  HBITMAP picture = DecodePicture(bytes);
  if (!picture) return false;
  if (skin_) DeleteObject(skin_);
  skin_ = picture;
  // The children too: the background is painted under them.
  RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

void MainWindow::EnableVisualStyles() {
  // The manifest asks for common controls 6; this registers their classes.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void MainWindow::StartWaveform() {
  // The recording waveform shows nothing until a recording is under way.
}

void MainWindow::PopUpControlMenu() {
  POINT at{};
  GetCursorPos(&at);
  HWND hwnd = window_.Handle();
  // The window must be in the foreground, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(hwnd);
  TrackPopupMenu(window_.FirstPopup(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
  PostMessageW(hwnd, WM_NULL, 0, 0);
}

std::string MainWindow::ExecutableFileName() {
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return ui::Narrow(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::string MainWindow::Directory() {
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return ui::Narrow(slash == std::wstring::npos ? L"." : path.substr(0, slash));
}

void MainWindow::Quit() {
  quitting_ = true;
  PostQuitMessage(0);
}

}  // namespace voz::core::win
