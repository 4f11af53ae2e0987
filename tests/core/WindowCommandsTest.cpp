#include <gtest/gtest.h>

#include "platform/text/Encoding.h"
#include "tests/core/CoreFixture.h"
#include "vozmara/core/WindowCommands.h"

namespace voz::core {
namespace {

using testing::CoreFixture;

struct WindowCommandsTest : CoreFixture, ::testing::Test {};

TEST_F(WindowCommandsTest, HideTwiceShowsAgain) {
  window.SetVisible(0, true);
  ToggleWindowVisibility(c);
  EXPECT_EQ(window.MenuCaption(隐藏窗口), "显示窗口");
  EXPECT_FALSE(window.Visible(0));
  ToggleWindowVisibility(c);
  EXPECT_EQ(window.MenuCaption(隐藏窗口), "隐藏窗口");
  EXPECT_TRUE(window.Visible(0));
}

TEST_F(WindowCommandsTest, TrayDoubleClickTogglesAndRightClickPopsUpTheMenu) {
  window.SetVisible(0, true);
  TrayEvent(c, TrayMouse::LeftDoubleClick);
  EXPECT_FALSE(window.Visible(0));
  TrayEvent(c, TrayMouse::Other);
  EXPECT_FALSE(window.Visible(0));
  EXPECT_EQ(program.popups, 0);
  TrayEvent(c, TrayMouse::RightClick);
  EXPECT_EQ(program.popups, 1);
}

TEST_F(WindowCommandsTest, AlwaysOnTopFollowsTheCheckMark) {
  ToggleTopMost(c);
  EXPECT_TRUE(window.MenuChecked(显示最前));
  EXPECT_TRUE(window.TopMost());
  ToggleTopMost(c);
  EXPECT_FALSE(window.MenuChecked(显示最前));
  EXPECT_FALSE(window.TopMost());
}

TEST_F(WindowCommandsTest, EndOfProgramSavesThePositionIntoExistingSettings) {
  SetSettingsFile(text::Utf8ToGbk("; 用户的注释\r\n[主窗口]\r\n左边=1\r\n[语音朗读]\r\n语速=2\r\n"));
  volume.Open();
  tray.Show(TrayIconKind::Active, "x");
  window.MoveTo({300, -20});
  EndProgram(c);
  EXPECT_FALSE(volume.open);
  EXPECT_FALSE(tray.shown);
  EXPECT_TRUE(program.quit);
  EXPECT_EQ(text::GbkToUtf8(fs.files[settings.Path()]),
            "; 用户的注释\r\n[主窗口]\r\n左边=300\r\n顶边=-20\r\n[语音朗读]\r\n语速=2\r\n");
}

TEST_F(WindowCommandsTest, CloseBoxStopsTheVoiceWithoutSavingThePosition) {
  MainWindowClosing(c);
  EXPECT_FALSE(program.quit);
  EXPECT_EQ(fs.files.count(settings.Path()), 0u);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().rfind("stop", 0), 0u);
}

TEST(VolumeArithmetic, SliderAndChannels) {
  EXPECT_EQ(SliderFromVolume(32767, 65535, 10), 4);
  EXPECT_EQ(SliderFromVolume(65535, 65535, 10), 10);
  EXPECT_EQ(SliderFromVolume(0, 65535, 10), 0);
  EXPECT_EQ(SliderFromVolume(39321, 65535, 10), 6);  // exactly 0.6 of the range
  EXPECT_EQ(SliderFromVolume(500, 0, 10), 0);         // no mixer
  EXPECT_EQ(VolumeFromSlider(10, 65535, 10), 65535u);
  EXPECT_EQ(VolumeFromSlider(3, 65535, 10), 19660u);
  EXPECT_EQ(VolumeFromSlider(0, 65535, 10), 0u);
  EXPECT_EQ(VolumeFromSlider(5, 65535, 0), 0u);
}

TEST_F(WindowCommandsTest, SliderSetsBothChannels) {
  window.SetSliderPosition(滑块条1, 3);
  ApplyVolumeSlider(c);
  EXPECT_EQ(volume.left, 19660u);
  EXPECT_EQ(volume.right, 19660u);
  EXPECT_EQ(state.leftVolume, 19660u);
}

}  // namespace
}  // namespace voz::core
