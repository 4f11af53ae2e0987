// A first start in a folder without "参数.ini": the window, the command
// list, the menu bar and the greeting.
#include <windows.h>

#include "tests/e2e/VozmaraFixture.h"
#include "tests/e2e/driver/IniText.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/ShippedPhrases.h"

namespace voz::e2e {
namespace {

using namespace core;

// The menu bar of the design; the entries of 我的菜单 are hidden while
// "参数.ini" names no caption for them.
std::string DesignMenus(const std::string& userMenus = "") {
  std::string menus;
  auto item = [&](int depth, const std::string& caption, int id, const char* flags = "") {
    menus += std::string(static_cast<size_t>(depth) * 2, ' ') + caption;
    if (id != 0) menus += " #" + std::to_string(id);
    if (*flags) menus += std::string(" [") + flags + "]";
    menus += "\n";
  };
  auto popup = [&](int depth, const std::string& caption) { item(depth, caption, 0, "P"); };
  auto separator = [&] { menus += "  ----\n"; };
  popup(0, "语音控制");
  item(1, "开始控制", 开始控制);
  item(1, "暂停控制", 暂停控制, "G");
  item(1, "继续控制", 继续控制, "G");
  item(1, "停止控制", 停止控制, "G");
  separator();
  item(1, "显示最前", 显示最前);
  item(1, "隐藏窗口", 隐藏窗口);
  item(1, "退出程序", 退出程序);
  popup(0, "基本设置");
  item(1, "选择用户", 选择用户);
  item(1, "声音训练", 声音训练);
  item(1, "训练备份", 训练备份);
  item(1, "编辑命令", 编辑命令);
  item(1, "定义菜单", 定义菜单);
  popup(0, "附加功能");
  item(1, "屏幕截图", 屏幕截图);
  item(1, "语音朗读", 语音朗读);
  item(1, "人机对话", 人机对话);
  item(1, "在线词典", 在线词典);
  separator();
  item(1, "英汉互译", 英汉互译);
  item(1, "在线新闻", 在线新闻);
  item(1, "回顾今日", 回顾今日);
  item(1, "开始录音", 开始录音);
  separator();
  item(1, "万年双历", 万年双历);
  item(1, "天气预报", 天气预报);
  item(1, "七十二变", 七十二变);
  item(1, "Shutora", 启动Shutora);
  popup(0, "我的菜单");
  menus += userMenus;
  popup(0, "系统帮助");
  item(1, "使用说明", 使用说明);
  popup(1, "动画演示");
  item(2, "下载解压", 下载解压);
  item(2, "安装引擎", 安装引擎);
  item(2, "软件设置", 软件设置);
  item(2, "添加命令", 添加命令);
  item(2, "效果演示", 效果演示);
  item(1, "升级检测", 升级检测);
  item(1, "引擎下载", 引擎下载);
  separator();
  item(1, "官方网站", 官方网站);
  item(1, "意见反馈", 意见反馈);
  return menus;
}

TEST_F(VozmaraTest, FirstStartShowsTheDesignedWindow) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Window().Caption(), "欢迎使用 - Vozmara V9.0");
  EXPECT_EQ(Status(), "状态:没有控制");
  EXPECT_EQ(Window().StatusParts(状态条1).size(), 4u);
  EXPECT_TRUE(Window().Shown());
  const Rect bounds = Window().Bounds();
  EXPECT_EQ(bounds.Height(), 348) << "the strip at the bottom is cut off";
  // Without settings the window goes to the top-left corner.
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  EXPECT_TRUE(Window().Checked(中文单选框));
  EXPECT_FALSE(Window().Checked(英文单选框));
  EXPECT_TRUE(Window().Checked(混合模式单选框));
  EXPECT_TRUE(Window().Checked(选择框1));
  EXPECT_FALSE(Window().Checked(ＱＱ聊天选择框));
  EXPECT_TRUE(Window().Shown(EchoBox));
  EXPECT_TRUE(Window().Shown(CommandListBox));
  EXPECT_FALSE(Window().Shown(超文本浏览框2));
}

// A control that another one covers is neither drawn nor clicked: the group
// boxes and the status bar must lie beneath the controls placed on them.
TEST_F(VozmaraTest, EveryControlLiesOnTopWhereItStands) {
  ASSERT_TRUE(Start());
  const std::pair<int, const char*> controls[] = {
      {编辑框1, "编辑框1"},           {列表框1, "列表框1"},
      {中文单选框, "中文单选框"},     {英文单选框, "英文单选框"},
      {选择框1, "选择框1"},           {ＱＱ聊天选择框, "ＱＱ聊天选择框"},
      {语音打字单选框, "语音打字单选框"}, {语音控制单选框, "语音控制单选框"},
      {混合模式单选框, "混合模式单选框"}, {专录数字选择框, "专录数字选择框"},
      {滑块条1, "滑块条1"},
  };
  for (const auto& [id, name] : controls) {
    const Hwnd control = Window().Control(id);
    ASSERT_NE(control, nullptr) << name;
    const Rect r = ScreenRect(control);
    const Hwnd top = WindowAt(r.CentreX(), r.CentreY());
    EXPECT_EQ(top, control) << name << " lies under control #" << GetDlgCtrlID(top);
  }
}

TEST_F(VozmaraTest, FirstStartListsTheShippedCommands) {
  const auto source = ReadWholeFile(ShippedLibraryText());
  ASSERT_TRUE(source.has_value());
  std::vector<std::string> rows;
  for (const auto& phrase : PhrasesOfLibraryText(*source)) rows.push_back(CommandRow(phrase));
  ASSERT_FALSE(rows.empty());

  ASSERT_TRUE(Start());
  EXPECT_EQ(Window().ListRows(CommandListBox), rows);
  EXPECT_EQ(Window().ListSelection(CommandListBox), -1);
}

TEST_F(VozmaraTest, FirstStartMenuBarIsTheDesign) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Menus().Render(), DesignMenus());
}

TEST_F(VozmaraTest, UserMenuEntriesWithACaptionAreShown) {
  ASSERT_TRUE(folder.Write(kSettingsFile, MakeGbkIni({{"1", {{"菜单", "记事本"}}}, {"3", {{"菜单", "计算器"}}}})));
  ASSERT_TRUE(Start());
  EXPECT_EQ(Menus().Render(), DesignMenus("  记事本 #" + std::to_string(自定义一) + "\n  计算器 #" +
                                          std::to_string(自定义一 + 2) + "\n"));
}

TEST_F(VozmaraTest, FirstStartGreetsWithTheChineseVoiceAtRateAndVolumeZero) {
  ASSERT_TRUE(Start());
  const auto spoken = app.WaitLogEvent("speak", "欢迎您使用Vozmara");
  ASSERT_FALSE(spoken.empty()) << "no greeting in the speech log";
  // speak <voice> <rate> <volume> <text>; no settings read as 0.
  EXPECT_EQ(spoken.front(), (LogLine{"speak", "Microsoft Simplified Chinese", "0", "0", "欢迎您使用Vozmara"}));
  EXPECT_FALSE(FindMessageBox(app.Id())) << "a Chinese voice is installed: no message";
}

TEST_F(VozmaraTest, StoredVoiceRateAndVolumeAreUsedForTheGreeting) {
  ASSERT_TRUE(folder.Write(kSettingsFile, MakeGbkIni({{"语音朗读", {{"语音库", "0"}, {"语速", "3"}, {"音量", "80"}}}})));
  ASSERT_TRUE(Start());
  const auto spoken = app.WaitLogEvent("speak", "欢迎您使用Vozmara");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.front(), (LogLine{"speak", "Microsoft Sam", "3", "80", "欢迎您使用Vozmara"}));
}

}  // namespace
}  // namespace voz::e2e
