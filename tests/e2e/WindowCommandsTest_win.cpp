// The window's own menu commands: hide and show, always on top, the end of
// the program with its saved position, and the volume slider.
#include <windows.h>

#include "tests/e2e/VozmaraFixture.h"
#include "tests/e2e/driver/MasterVolume.h"

namespace voz::e2e {
namespace {

using namespace core;

std::string MenuCaption(const MenuTree& menus, int id) {
  const MenuEntry* entry = menus.Find(id);
  return entry ? entry->caption : "(missing)";
}

bool MenuChecked(const MenuTree& menus, int id) {
  const MenuEntry* entry = menus.Find(id);
  return entry && entry->checked;
}

TEST_F(VozmaraTest, HideWindowAlternatesWithShowWindow) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Window().Command(隐藏窗口));
  EXPECT_TRUE(WaitUntil([&] { return !Window().Shown(); }));
  EXPECT_EQ(MenuCaption(Menus(), 隐藏窗口), "显示窗口");
  EXPECT_TRUE(app.Process().Running()) << "hiding keeps the program running";

  ASSERT_TRUE(Window().Command(隐藏窗口));
  EXPECT_TRUE(WaitUntil([&] { return Window().Shown(); }));
  EXPECT_EQ(MenuCaption(Menus(), 隐藏窗口), "隐藏窗口");
}

TEST_F(VozmaraTest, ShowOnTopFollowsItsCheckMark) {
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Window().TopMost());
  EXPECT_FALSE(MenuChecked(Menus(), 显示最前));

  ASSERT_TRUE(Window().Command(显示最前));
  EXPECT_TRUE(WaitUntil([&] { return Window().TopMost(); }));
  EXPECT_TRUE(MenuChecked(Menus(), 显示最前));

  ASSERT_TRUE(Window().Command(显示最前));
  EXPECT_TRUE(WaitUntil([&] { return !Window().TopMost(); }));
  EXPECT_FALSE(MenuChecked(Menus(), 显示最前));
}

TEST_F(VozmaraTest, ExitSavesThePositionAndTheNextStartRestoresIt) {
  ASSERT_TRUE(Start());
  Window().MoveTo(123, 77);
  ASSERT_TRUE(WaitUntil([&] { return Window().Bounds().left == 123 && Window().Bounds().top == 77; }));
  ASSERT_TRUE(Window().Command(退出程序));
  ASSERT_TRUE(app.Process().WaitExit(kShortTimeout)) << "退出程序 did not end the program";
  EXPECT_EQ(app.Setting("主窗口", "左边"), "123");
  EXPECT_EQ(app.Setting("主窗口", "顶边"), "77");

  VozmaraRun next(folder, "next");
  ASSERT_TRUE(StartRun(next));
  EXPECT_EQ(next.Window().Bounds().left, 123);
  EXPECT_EQ(next.Window().Bounds().top, 77);
}

TEST_F(VozmaraTest, ClosingFromTheTitleBarStopsTheVoiceAndSavesNothing) {
  ASSERT_TRUE(Start());
  Window().MoveTo(50, 60);
  ASSERT_TRUE(Post(Window().Handle(), WM_CLOSE, 0, 0));
  ASSERT_TRUE(app.Process().WaitExit(kShortTimeout)) << "closing the window did not end the program";
  EXPECT_FALSE(LogEvents(app.SpeechLog(), "stop").empty()) << "the voice was not stopped";
  EXPECT_EQ(app.Setting("主窗口", "左边"), "");
  EXPECT_EQ(app.Setting("主窗口", "顶边"), "");
}

// The slider shows the master volume on its 0..10 scale, truncated. The
// bench reads the volume the way a program does; under Wine each process
// sees the mixer's own start value, so a restart shows that value again.
TEST_F(VozmaraTest, VolumeSliderFollowsTheMasterVolume) {
  auto expected = [] {
    const auto volume = ReadMasterVolume();
    return volume && volume->maximum > 0 ? static_cast<int>(volume->left * 10ull / volume->maximum) : 0;
  };
  ASSERT_TRUE(Start());
  EXPECT_EQ(Window().SliderPosition(滑块条1), expected());

  // A drag to 3 sets the volume; the slider stays where it was left.
  ASSERT_TRUE(Window().DragSlider(滑块条1, 3));
  EXPECT_EQ(Window().SliderPosition(滑块条1), 3);
  ASSERT_TRUE(Window().Command(退出程序));
  ASSERT_TRUE(app.Process().WaitExit(kShortTimeout));

  VozmaraRun next(folder, "next");
  ASSERT_TRUE(StartRun(next));
  EXPECT_EQ(next.Window().SliderPosition(滑块条1), expected());
}

}  // namespace
}  // namespace voz::e2e
