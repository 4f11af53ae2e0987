#include <gtest/gtest.h>

#include "platform/text/Encoding.h"
#include "tests/core/CoreFixture.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/Startup.h"

namespace voz::core {
namespace {

using testing::CoreFixture;

struct StartupTest : CoreFixture, ::testing::Test {
  bool Spoke(const std::string& text) const {
    for (const auto& line : log) {
      if (line.rfind("speak\t", 0) == 0 && line.find("\t" + text + "\n") != std::string::npos) return true;
    }
    return false;
  }
};

TEST_F(StartupTest, FirstStartWithoutSettingsFile) {
  library::testing::WriteLibrary(fs, library::testing::Library({library::testing::Row(5, "显示 命令"),
                                                                  library::testing::Row(0, "打开记事本")}));
  ASSERT_TRUE(CreateMainWindow(c));

  EXPECT_EQ(window.Text(0), "欢迎使用 - Vozmara V9.0");
  EXPECT_EQ(window.SliderPosition(滑块条1), 4);  // 32767 of 65535: 4.99… truncated
  EXPECT_FALSE(window.Visible(超文本浏览框2));
  EXPECT_EQ(window.height, 348);
  EXPECT_EQ(window.Position(), (ui::Controls::Point{0, 0}));
  for (int id = 自定义一; id <= 自定义十; ++id) EXPECT_FALSE(window.MenuVisible(id));
  EXPECT_TRUE(tray.shown);
  EXPECT_EQ(tray.icon, TrayIconKind::Idle);
  EXPECT_EQ(tray.tip, "Vozmara V9.0\r\n彻底解放您的双手!");
  ASSERT_EQ(window.ListCount(CommandListBox), 2);
  EXPECT_EQ(window.ListItem(CommandListBox, 0), "[显示命令]");
  EXPECT_EQ(window.ListItem(CommandListBox, 1), "[打开记事本]");
  // No known Chinese voice name, but one whose language is Chinese: no message.
  EXPECT_EQ(state.VoiceList, (std::vector<std::string>{"Microsoft Zira", "Microsoft Huihui"}));
  EXPECT_EQ(state.PreferredChineseVoice, 2);
  EXPECT_TRUE(dialogs.messages.empty());
  // Rate and volume read as 0 from the missing file: the greeting is queued silently.
  ASSERT_FALSE(log.empty());
  EXPECT_TRUE(Spoke("欢迎您使用Vozmara")) << log.back();
  EXPECT_NE(log.back().find("Microsoft Huihui\t0\t0\t"), std::string::npos) << log.back();
  EXPECT_EQ(ControlStatusText(window), "状态:没有控制");
  EXPECT_TRUE(recognizer.calls.empty());
  EXPECT_TRUE(fs.files.count(settings.Path()) == 0) << "start-up must not create 参数.ini";
}

TEST_F(StartupTest, SettingsApplied) {
  SetSettingsFile(text::Utf8ToGbk(
      "[主窗口]\r\n左边=120\r\n顶边=abc\r\n[3]\r\n菜单=记事本\r\n[语音朗读]\r\n语速=3\r\n音量=80\r\n"
      "[设置]\r\n自动控制=真\r\n"));
  fs.files["C:\\Vozmara\\界面图片\\0.jpg"] = "JPEG bytes";
  ASSERT_TRUE(CreateMainWindow(c));

  EXPECT_EQ(window.Position(), (ui::Controls::Point{120, 0}));
  EXPECT_TRUE(window.MenuVisible(自定义一 + 2));
  EXPECT_EQ(window.MenuCaption(自定义一 + 2), "记事本");
  EXPECT_FALSE(window.MenuVisible(自定义一));
  EXPECT_EQ(program.skins, (std::vector<std::string>{"JPEG bytes"}));
  EXPECT_NE(log.back().find("\t3\t80\t"), std::string::npos) << log.back();
  // Automatic control starts as the menu does.
  EXPECT_EQ(ControlStatusText(window), "状态:正在控制");
  EXPECT_EQ(recognizer.calls, (std::vector<std::string>{"start 0", "phrases 0"}));
}

TEST_F(StartupTest, AutomaticControlOnlyForTheTrueText) {
  for (const char* value : {"假", "1", "真的", "TRUE", ""}) {
    SetSettingsFile(text::Utf8ToGbk(std::string("[设置]\r\n自动控制=") + value + "\r\n"));
    CoreFixture f;
    f.fs.files = fs.files;
    ASSERT_TRUE(CreateMainWindow(f.c));
    EXPECT_EQ(ControlStatusText(f.window), "状态:没有控制") << value;
  }
}

TEST_F(StartupTest, SecondCopyEndsAtOnce) {
  processes.names = {"Vozmara.exe", "Vozmara.exe"};
  EXPECT_FALSE(CreateMainWindow(c));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "程序已经运行!");
  EXPECT_EQ(dialogs.messages[0].title, "温馨提示:");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_FALSE(tray.shown);
  EXPECT_EQ(window.Text(0), "");
}

TEST(SingleInstance, CountsBothSpellingsOfTheExtensionOnly) {
  struct Case {
    const char* exe;
    std::vector<std::string> running;
    bool refused;
  };
  const Case cases[] = {
      {"Vozmara V9.0.EXE", {"Vozmara V9.0.EXE", "Vozmara V9.0.EXE"}, true},
      {"Vozmara V9.0.exe", {"Vozmara V9.0.EXE", "Vozmara V9.0.exe"}, true},
      {"Vozmara V9.0.exe", {"Vozmara V9.0.exe"}, false},
      // A mixed-case extension is counted under neither spelling.
      {"Vozmara V9.0.Exe", {"Vozmara V9.0.Exe", "Vozmara V9.0.Exe"}, false},
      {"Vozmara.exe", {"vozmara.exe", "Vozmara.exe"}, false},
      {"abc", {"abc", "abc"}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(AnotherCopyRunning(c.exe, c.running), c.refused) << c.exe;
}

TEST(VoiceChoice, LastKnownNameThenLastChineseLanguage) {
  using V = speech::VoiceInfo;
  struct Case {
    std::vector<V> voices;
    int chosen;
  };
  const Case cases[] = {
      {{{"VW Lily", {}}, {"Microsoft Simplified Chinese", {}}}, 2},
      {{{"Microsoft Simplified Chinese", {}}, {"VW Wang", {}}, {"Microsoft Huihui", {0x804}}}, 2},
      {{{"Huihui", {0x804}}, {"Zira", {0x409}}, {"Kangkang", {0x804}}, {"Tracy", {0xC04}}}, 3},
      {{{"Zira", {0x409}}, {"vw lily", {}}}, 0},
      {{}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseChineseVoice(c.voices), c.chosen);
}

TEST_F(StartupTest, NoChineseVoiceTellsTheUserAndOpensTheDownloadWindowModally) {
  speech::TextSynthesizer englishOnly({{"Microsoft Zira", {0x409}}}, lineLog, fs);
  MainContext only{window, state, library, recognizer, englishOnly, settings, dialogs, tray, volume,
                   processes, pointer, program, program, fs, actions, operations, rangeDialog};
  ASSERT_TRUE(CreateMainWindow(only));
  EXPECT_EQ(state.PreferredChineseVoice, 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "您的电脑没有安装中文语音库，不能正常朗读中文！");
  EXPECT_EQ(dialogs.messages[0].title, "温馨提示：");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(dialogs.downloads, (std::vector<bool>{true}));
}

TEST_F(StartupTest, StoredVoiceIndex) {
  struct Case {
    const char* stored;
    const char* voice;
  };
  // Index 0 is Zira; an index outside the list keeps the current (first) voice.
  const Case cases[] = {{"1", "Microsoft Huihui"}, {"0", "Microsoft Zira"}, {"7", "Microsoft Zira"},
                        {"-1", "Microsoft Zira"}, {"x", "Microsoft Zira"}};
  for (const auto& k : cases) {
    CoreFixture f;
    f.SetSettingsFile(text::Utf8ToGbk(std::string("[语音朗读]\r\n语音库=") + k.stored + "\r\n"));
    ASSERT_TRUE(CreateMainWindow(f.c));
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.back().rfind(std::string("speak\t") + k.voice + "\t", 0), 0u) << k.stored << ": " << f.log.back();
    EXPECT_EQ(f.state.PreferredChineseVoice, 0);
    EXPECT_TRUE(f.dialogs.messages.empty());
  }
}

}  // namespace
}  // namespace voz::core
