// The screen-snapshot command writes "屏幕快照<n>.jpg" on the desktop, n
// the first free number, as a JPEG of the whole screen. A copy is left for
// the host-side decoder check (identify-snapshot.sh).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "tests/e2e/driver/Paths.h"
#include "tests/e2e_voice/JpegInfo.h"
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {
namespace {

namespace fs = std::filesystem;

class ScreenSnapshotTest : public VoiceTest {
 protected:
  void SetUp() override {
    VoiceTest::SetUp();
    desktop = DesktopFolder();
    ASSERT_FALSE(desktop.empty());
    for (int n : {1, 2}) DeleteFileW(Snapshot(n).c_str());
  }
  void TearDown() override {
    for (int n : {1, 2}) DeleteFileW(Snapshot(n).c_str());
    VoiceTest::TearDown();
  }

  std::wstring Snapshot(int n) const { return Join(desktop, L"屏幕快照" + std::to_wstring(n) + L".jpg"); }

  std::wstring desktop;
};

TEST_F(ScreenSnapshotTest, SnapshotsTakeTheFirstFreeNumberAndHoldTheWholeScreen) {
  const std::wstring copyDir = SnapshotCopyDir();
  std::error_code ec;
  fs::remove_all(fs::path(copyDir), ec);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(StartControl());

  ASSERT_TRUE(SayCommand("屏幕快照"));
  ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesW(Snapshot(1).c_str()) != INVALID_FILE_ATTRIBUTES; }))
      << Narrow(Snapshot(1)) << " was not written";
  const std::string bytes = ReadWholeFile(Snapshot(1)).value_or("");
  std::string error;
  const auto frame = ReadJpegFrame(bytes, &error);
  ASSERT_TRUE(frame.has_value()) << error;
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_EQ(frame->width, width);
  EXPECT_EQ(frame->height, height);
  EXPECT_EQ(frame->components, 3) << "a colour image";

  ASSERT_TRUE(SayCommand("屏幕快照"));
  EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesW(Snapshot(2).c_str()) != INVALID_FILE_ATTRIBUTES; }))
      << "the second snapshot did not take n = 2";

  fs::create_directories(fs::path(copyDir), ec);
  ASSERT_TRUE(CopyFileW(Snapshot(1).c_str(), Join(copyDir, L"screen-snapshot.jpg").c_str(), FALSE));
  const std::string size = std::to_string(width) + " " + std::to_string(height);
  std::ofstream(fs::path(Join(copyDir, L"screen-size.txt")), std::ios::binary) << size;
}

}  // namespace
}  // namespace voz::e2e
