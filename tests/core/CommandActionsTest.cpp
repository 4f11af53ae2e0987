#include <gtest/gtest.h>

#include "tests/core/CoreFixture.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/core/CommandActions.h"
#include "vozmara/core/ControlLifecycle.h"

namespace voz::core {
namespace {

namespace lib = library::testing;
using testing::CoreFixture;

struct ActionsTest : CoreFixture, ::testing::Test {
  ActionsTest() {
    lib::WriteLibrary(fs, lib::BuiltinOnlyLibrary(43));
    library.Open(lib::kProgramDirectory);
    window.SetVisible(0, true);
  }
  std::vector<std::string> Builtin(int position) {
    actionsDone.Take();
    RunBuiltins(c, "命令" + std::to_string(position));
    return actionsDone.Take();
  }
};

TEST(KeyboardCommand, WhichKeysArePressed) {
  struct Case {
    int first, second, third;
    std::vector<int> keys;
  };
  const Case cases[] = {
      {0x11, 0x43, -1, {0x11, 0x43}},          // Ctrl+C
      {0x0D, -1, -1, {0x0D}},                  // Enter alone
      {0x11, 0x10, 0x1B, {0x11, 0x10, 0x1B}},  // three together
      {0x12, -1, 0x73, {}},                    // a gap before the third: nothing
      {-1, 0x41, 0x42, {}},
  };
  for (const auto& k : cases) EXPECT_EQ(KeysToPress(k.first, k.second, k.third), k.keys);
}

TEST_F(ActionsTest, PlatformBuiltins) {
  struct Case {
    int position;
    std::vector<std::string> actions;
  };
  const Case cases[] = {
      {26, {"open mailto:"}},
      {31, {"mute"}},
      {32, {"unmute"}},
      {33, {"minimize all"}},
      {34, {"restore all"}},
      {36, {"run rundll32.exe shell32.dll,OpenAs_RunDLL path\\filename"}},
      {37, {"run rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl"}},
      {38, {"open C:\\Favorites"}},
      {27, {"ask 确定要 关机 吗? 询问:", "shutdown 0"}},
      {28, {"ask 确定要 重启 吗? 询问:", "shutdown 1"}},
      {29, {"ask 确定要 注销 吗? 询问:", "shutdown 2"}},
      {30, {"ask 确定要 待机 吗? 询问:", "shutdown 3"}},
      {39, {"clear history"}},
      {40, {"delete temporary files"}},
      {17, {}},
      {43, {}},  // the chat box is not checked
  };
  for (const auto& k : cases) EXPECT_EQ(Builtin(k.position), k.actions) << k.position;
  actionsDone.answerYes = false;
  EXPECT_EQ(Builtin(27), (std::vector<std::string>{"ask 确定要 关机 吗? 询问:"}));
  window.SetChecked(ＱＱ聊天选择框, true);
  state.ChatSendButton = 22;
  EXPECT_EQ(Builtin(43), (std::vector<std::string>{"button 22"}));
}

TEST_F(ActionsTest, WindowBuiltins) {
  Builtin(2);
  EXPECT_FALSE(window.Checked(选择框1));
  EXPECT_FALSE(window.Visible(EchoBox));
  EXPECT_EQ(window.Text(选择框1), "显示命令");
  Builtin(1);
  EXPECT_TRUE(window.Checked(选择框1));
  EXPECT_TRUE(window.Visible(CommandListBox));
  EXPECT_EQ(window.Text(选择框1), "关闭命令");
  Builtin(4);
  EXPECT_TRUE(window.Checked(语音控制单选框));
  EXPECT_FALSE(window.Checked(混合模式单选框));
  Builtin(9);
  EXPECT_FALSE(window.Visible(0));
  Builtin(10);  // either position shows a hidden window
  EXPECT_TRUE(window.Visible(0));
  Builtin(35);
  EXPECT_TRUE(window.TopMost());
  StartControl(c);
  Builtin(8);
  EXPECT_EQ(ControlStatusText(window), kStatusStopped);
  Builtin(11);
  EXPECT_TRUE(program.quit);
}

TEST_F(ActionsTest, SpokenResultsOfTheUtilities) {
  Builtin(39);
  EXPECT_NE(log.back().find("清除历史记录 成功"), std::string::npos) << log.back();
  actionsDone.utilitiesSucceed = false;
  Builtin(40);
  EXPECT_NE(log.back().find("删除临时文件 失败"), std::string::npos) << log.back();
}

TEST_F(ActionsTest, SnapshotTakesTheFirstFreeNumber) {
  fs.files["C:\\Desktop\\屏幕快照1.jpg"] = "x";
  fs.files["C:\\Desktop\\屏幕快照2.jpg"] = "x";
  EXPECT_EQ(Builtin(25), (std::vector<std::string>{"snapshot C:\\Desktop\\屏幕快照3.jpg"}));
  fs.files.erase("C:\\Desktop\\屏幕快照1.jpg");
  EXPECT_EQ(Builtin(25), (std::vector<std::string>{"snapshot C:\\Desktop\\屏幕快照1.jpg"}));
}

TEST_F(ActionsTest, VolumeStepsStopAtTheEnds) {
  struct Case {
    int from;
    bool up;
    int to;
    unsigned level;
  };
  const Case cases[] = {{5, true, 6, 39321}, {10, true, 10, 65535}, {1, false, 0, 0}, {0, false, 0, 0}};
  for (const auto& k : cases) {
    window.SetSliderPosition(滑块条1, k.from);
    Builtin(k.up ? 41 : 42);
    EXPECT_EQ(window.SliderPosition(滑块条1), k.to);
    EXPECT_EQ(volume.left, k.level);
    EXPECT_EQ(volume.right, k.level);
  }
}

TEST_F(ActionsTest, CompanionBuiltinsRunTheirMenuOperations) {
  std::vector<int> ran;
  Operations registered;
  const std::vector<int> ids{屏幕截图, 语音朗读, 人机对话, 在线词典, 在线新闻, 回顾今日, 开始录音, 英汉互译,
                             kOpenWeatherAtOnce, 万年双历, 七十二变};
  for (int id : ids) {
    registered.Register(id, [&ran, id](MainContext&) { ran.push_back(id); });
  }
  MainContext with{window, state, library, recognizer, voice, settings, dialogs, tray, volume, processes,
                   pointer, program, program, fs, actions, registered, rangeDialog};
  for (int position : {12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 23, 24}) {
    RunBuiltins(with, "命令" + std::to_string(position));
  }
  EXPECT_EQ(ran, (std::vector<int>{屏幕截图, 语音朗读, 人机对话, 在线词典, 在线新闻, 回顾今日, 开始录音, 开始录音,
                                   英汉互译, kOpenWeatherAtOnce, 万年双历, 七十二变}));
}

}  // namespace
}  // namespace voz::core
