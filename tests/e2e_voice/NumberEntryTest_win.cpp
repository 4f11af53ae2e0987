// Number-entry mode end to end: the range comes from "参数.ini" through the
// window 设置范围, the command list turns into the numbers, and a spoken
// number is typed into the window with the keyboard focus.
#include "tests/e2e/driver/IniText.h"
#include "tests/e2e_voice/VoiceBench.h"
#include "vozmara/core/RangeWindow.h"

namespace voz::e2e {
namespace {

using namespace core;

TEST_F(VoiceTest, NumberEntryTypesTheSpokenNumberOfTheRange) {
  ASSERT_TRUE(folder.Write(kSettingsFile, MakeGbkIni({{"数字范围", {{"起点", "1"}, {"终点", "10"}, {"递增", "1"}}}})));
  ASSERT_TRUE(Start());

  ASSERT_TRUE(Window().Click(专录数字选择框));
  Hwnd rangeWindow = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    rangeWindow = FindTopWindow(app.Id(), L"VozmaraRangeWindow");
    return rangeWindow != nullptr && IsShown(rangeWindow);
  })) << "设置范围 did not open";
  const AppWindow range(rangeWindow, app.Id());
  EXPECT_EQ(range.Caption(), "设置范围");
  EXPECT_EQ(range.Text(range::编辑框1), "1");
  EXPECT_EQ(range.Text(range::编辑框2), "10");
  EXPECT_EQ(range.Text(range::编辑框3), "1");
  ASSERT_TRUE(range.Click(range::按钮1));
  ASSERT_TRUE(WaitUntil([&] { return !IsAlive(rangeWindow); })) << "设置范围 stayed open after 确定";
  EXPECT_FALSE(FindMessageBox(app.Id()));

  EXPECT_TRUE(Window().Checked(专录数字选择框));
  EXPECT_EQ(Window().ListRows(CommandListBox),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(app.Setting("数字范围", "起点"), "1");
  EXPECT_EQ(app.Setting("数字范围", "终点"), "10");

  // The recognizer takes the number list at the start of control.
  ASSERT_TRUE(StartControl());
  ASSERT_TRUE(StartNotepad());
  ASSERT_TRUE(Say("10"));
  EXPECT_EQ(notepad.WaitText("10"), "10");
  EXPECT_EQ(Echo(), "10\r\n");
  // A number outside the range is dropped; the next one follows the first.
  ASSERT_TRUE(Say("11"));
  ASSERT_TRUE(Say("1"));
  EXPECT_EQ(notepad.WaitText("101"), "101");
  EXPECT_EQ(Echo(), "10\r\n1\r\n");
}

}  // namespace
}  // namespace voz::e2e
