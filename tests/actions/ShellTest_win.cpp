// The shell (folders, open, run), the yes/no questions and the mute switch.
// Shutdown is not run: it would end the session.
#include <gtest/gtest.h>

#include <windows.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <atomic>
#include <thread>

#include "platform/ui/Win32Window.h"
#include "tests/actions/ActionsFixture_win.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {
namespace {

using test::Exists;
using test::ScratchFolder;

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ui::Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Shell, DesktopAndFavoritesAreFolders) {
  auto shell = CreateShell();
  const std::string desktop = shell->DesktopFolder();
  const std::string favorites = shell->FavoritesFolder();
  EXPECT_TRUE(IsFolder(desktop)) << desktop;
  EXPECT_TRUE(IsFolder(favorites)) << favorites;
  EXPECT_NE(desktop, favorites);
}

// The path in double quotes, as a command line wants it.
std::string Quoted(const std::wstring& path) {
  std::string quoted(1, '"');
  quoted += ui::Narrow(path);
  quoted += '"';
  return quoted;
}

// A copy of the probe under a Chinese name with a space, in the scratch folder.
std::wstring ProbeCopy(const std::wstring& name) {
  const std::wstring copy = ScratchFolder() + L"\\" + name;
  CopyFileW(test::ProbePath().c_str(), copy.c_str(), FALSE);
  return copy;
}

TEST(Shell, RunStartsACommandLineWithoutWaitingOrKeepingHandles) {
  auto shell = CreateShell();
  const std::wstring program = ProbeCopy(L"探针 运行.exe");
  const std::wstring target = ScratchFolder() + L"\\运行 结果.txt";
  std::string line = Quoted(program);
  line += " --touch ";
  line += Quoted(target);

  DWORD before = 0, after = 0;
  GetProcessHandleCount(GetCurrentProcess(), &before);
  shell->Run(line);
  EXPECT_TRUE(test::PumpUntil([&] { return test::ReadBytes(target) == "touched"; }, 10000));
  GetProcessHandleCount(GetCurrentProcess(), &after);
  EXPECT_LE(after, before) << "the process and thread handles are closed";

  // Nothing to run, and a program that does not exist: no effect, no failure.
  shell->Run("");
  shell->Run(Quoted(ScratchFolder() + L"\\没有.exe"));
}

TEST(Shell, OpenStartsAProgramByItsChinesePath) {
  auto shell = CreateShell();
  const std::wstring program = ProbeCopy(L"探针 打开.exe");
  shell->Open(ui::Narrow(program));
  EXPECT_TRUE(test::PumpUntil([&] { return Exists(program + L".started"); }, 10000));
}

// A visible window of this process of the dialog class, as error boxes are.
BOOL CALLBACK FindOwnDialog(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

TEST(Shell, OpeningWhatIsMissingShowsNothing) {
  // An error box would stop Open until answered: a watcher answers it.
  std::atomic<bool> done{false};
  std::atomic<int> dialogs{0};
  std::thread watcher([&] {
    while (!done) {
      HWND dialog = nullptr;
      EnumWindows(&FindOwnDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog) {
        ++dialogs;
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      }
      Sleep(50);
    }
  });
  auto shell = CreateShell();
  shell->Open("");
  shell->Open(ui::Narrow(ScratchFolder()) + "\\没有这个文件.txt");
  const std::wstring unknownKind = ScratchFolder() + L"\\no-program-for-this.zzqx";
  test::WriteBytes(unknownKind, "x");
  shell->Open(ui::Narrow(unknownKind));
  test::Pump(1500);
  done = true;
  watcher.join();
  EXPECT_EQ(dialogs, 0);
}

// ---- Questions -----------------------------------------------------------

// Answers the next message box titled `title` from another thread, after
// noting its text and owner.
class Answerer {
 public:
  Answerer(const std::wstring& title, int button) {
    thread_ = std::thread([this, title, button] {
      for (int i = 0; i < 500 && !box_; ++i) {
        box_ = FindWindowW(L"#32770", title.c_str());
        if (!box_) Sleep(10);
      }
      if (!box_) return;
      wchar_t text[256] = {};
      GetDlgItemTextW(box_, 0xFFFF, text, 256);
      text_ = ui::Narrow(text);
      owner_ = GetWindow(box_, GW_OWNER);
      hasYes_ = GetDlgItem(box_, IDYES) != nullptr;
      hasNo_ = GetDlgItem(box_, IDNO) != nullptr;
      PostMessageW(box_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box_, button)));
    });
  }
  ~Answerer() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  HWND box_ = nullptr;
  HWND owner_ = nullptr;
  std::string text_;
  bool hasYes_ = false, hasNo_ = false;

 private:
  std::thread thread_;
};

TEST(Questions, YesIsTrueNoIsFalseAndTheBoxBelongsToTheOwner) {
  HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  auto questions = CreateQuestions(owner);
  for (int button : {IDYES, IDNO}) {
    Answerer answerer(L"询问:", button);
    const bool answer = questions->AskYesNo("确定要 关机 吗?", "询问:");
    answerer.Join();
    ASSERT_TRUE(answerer.box_);
    EXPECT_EQ(answer, button == IDYES);
    EXPECT_EQ(answerer.text_, "确定要 关机 吗?");
    EXPECT_EQ(answerer.owner_, owner);
    EXPECT_TRUE(answerer.hasYes_ && answerer.hasNo_);
  }
  DestroyWindow(owner);
  // The owner gone, the question is still asked, without an owner.
  Answerer answerer(L"询问:", IDYES);
  EXPECT_TRUE(questions->AskYesNo("确定要 待机 吗?", "询问:"));
  answerer.Join();
  EXPECT_EQ(answerer.owner_, nullptr);
}

// ---- Mute ----------------------------------------------------------------

// The default playback device's mute as Core Audio reports it; -1 without one.
int EndpointMute() {
  IMMDeviceEnumerator* enumerator = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&enumerator)))) {
    return -1;
  }
  IMMDevice* device = nullptr;
  IAudioEndpointVolume* volume = nullptr;
  int muted = -1;
  if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) &&
      SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                 reinterpret_cast<void**>(&volume)))) {
    BOOL value = FALSE;
    if (SUCCEEDED(volume->GetMute(&value))) muted = value ? 1 : 0;
  }
  if (volume) volume->Release();
  if (device) device->Release();
  enumerator->Release();
  return muted;
}

TEST(MuteSwitch, SetsAndClearsTheDeviceMute) {
  if (EndpointMute() < 0) GTEST_SKIP() << "no playback device";
  auto mute = CreateMuteSwitch();
  // Wine keeps an endpoint's mute in the one interface object that set it,
  // so another object reads it back only on Windows.
  EXPECT_TRUE(mute->SetMute(true));
  const int muted = EndpointMute();
  EXPECT_TRUE(mute->SetMute(true));  // already so
  const int stillMuted = EndpointMute();
  EXPECT_TRUE(mute->SetMute(false));
  const int unmuted = EndpointMute();
  if (!test::UnderWine()) {
    EXPECT_EQ(muted, 1);
    EXPECT_EQ(stillMuted, 1);
    EXPECT_EQ(unmuted, 0);
  }
}

}  // namespace
}  // namespace voz::core::win
