#include <gtest/gtest.h>

#include "tests/core/CoreFixture.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/core/CommandActions.h"
#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/Dispatch.h"

namespace voz::core {
namespace {

namespace lib = library::testing;
using testing::CoreFixture;

// Records 1..43 are built-ins "命令1".."命令43"; then one command of each type.
recordstore::Table TestLibrary() {
  recordstore::Table table = lib::BuiltinOnlyLibrary(43);
  table.records.push_back(lib::Row(0, "打开记事本", "notepad.exe"));                        // 44
  table.records.push_back(lib::Row(1, "打开网站", "https://www.example.cn/"));              // 45
  table.records.push_back(lib::Row(2, "点一下", "", 100, 200, 1));                          // 46
  table.records.push_back(lib::Row(3, "复制", "", 0, 0, 0, 0x11, 0x43, -1));                // 47
  table.records.push_back(lib::Row(4, "签名", "此致敬礼"));                                 // 48
  table.records.push_back(lib::Row(7, "怪类型", "x"));                                      // 49
  table.records.push_back(lib::Row(4, "命令9", "重复的短语"));                              // 50
  return table;
}

struct DispatchTest : CoreFixture, ::testing::Test {
  DispatchTest() {
    lib::WriteLibrary(fs, TestLibrary());
    library.Open(lib::kProgramDirectory);
    for (const auto& row : library.Phrases().rows) window.AddListItem(CommandListBox, row);
    window.SetVisible(0, true);
    StartControl(c);
    actionsDone.Take();
  }
  void Mode(int radio) {
    for (int id : {语音打字单选框, 语音控制单选框, 混合模式单选框}) window.SetChecked(id, id == radio);
  }
};

TEST_F(DispatchTest, Table) {
  struct Case {
    const char* name;
    int mode;          // the checked mode button, 0 = none
    bool paused;
    bool echoFocused;
    bool chat;
    const char* phrase;
    std::vector<std::string> actions;
    const char* echo;
    int row;           // selected row afterwards, -1 = untouched
    const char* status;
  };
  const Case cases[] = {
      {"alias text pastes", 混合模式单选框, false, false, false, "签名",
       {"clipboard 此致敬礼", "keys 11+56"}, "[签名]\r\n", 47, kStatusRunning},
      {"open file", 语音控制单选框, false, false, false, "打开记事本", {"open notepad.exe"}, "[打开记事本]\r\n", 43,
       kStatusRunning},
      {"web address", 语音控制单选框, false, false, false, "打开网站", {"open https://www.example.cn/"},
       "[打开网站]\r\n", 44, kStatusRunning},
      {"mouse", 混合模式单选框, false, false, false, "点一下", {"click 100,200 1"}, "[点一下]\r\n", 45,
       kStatusRunning},
      {"keys", 混合模式单选框, false, false, false, "复制", {"keys 11+43"}, "[复制]\r\n", 46, kStatusRunning},
      {"unknown type is echoed and selected only", 语音控制单选框, false, false, false, "怪类型", {},
       "[怪类型]\r\n", 48, kStatusRunning},
      {"mixed mode types what matched nothing", 混合模式单选框, false, false, false, "你好",
       {"clipboard 你好", "keys 11+56"}, "你好\r\n", -1, kStatusRunning},
      {"mixed mode, echo box focused: echoed once, not pasted", 混合模式单选框, false, true, false, "你好", {},
       "你好\r\n", -1, kStatusRunning},
      {"mixed mode into the chat, windows not found yet", 混合模式单选框, false, false, true, "你好",
       {"replace 0 你好"}, "你好\r\n", -1, kStatusRunning},
      {"voice control drops the unknown", 语音控制单选框, false, false, false, "你好", {}, "", -1, kStatusRunning},
      {"no mode drops the unknown", 0, false, false, false, "你好", {}, "", -1, kStatusRunning},
      {"pause phrase in voice typing pauses", 语音打字单选框, false, false, false, "命令6", {}, "[命令6]\r\n", 5,
       kStatusPaused},
      {"paused drops other commands", 混合模式单选框, true, false, false, "命令3", {}, "", -1, kStatusPaused},
      {"paused resumes", 混合模式单选框, true, false, false, "命令7", {}, "[命令7]\r\n", 6, kStatusRunning},
      {"resume while running only echoes and selects", 语音控制单选框, false, false, false, "命令7", {},
       "[命令7]\r\n", 6, kStatusRunning},
      {"voice typing pastes after the echo, even into a focused echo box", 语音打字单选框, false, true, false,
       "随便说说", {"clipboard 随便说说", "keys 11+56"}, "随便说说\r\n", -1, kStatusRunning},
      {"voice typing into the chat", 语音打字单选框, false, false, true, "随便说说", {"replace 0 随便说说"},
       "随便说说\r\n", -1, kStatusRunning},
      {"voice typing: entry 43 sends without echo", 语音打字单选框, false, false, true, "命令43", {"button 0"}, "",
       -1, kStatusRunning},
      {"voice typing: entry 4 switches to voice control", 语音打字单选框, false, false, false, "命令4", {},
       "[命令4]\r\n", 3, kStatusRunning},
      {"voice typing: entry 8 stops", 语音打字单选框, false, false, false, "命令8", {}, "[命令8]\r\n", -1,
       kStatusStopped},
      {"entry 4 in voice control runs built-in 4", 混合模式单选框, false, false, false, "命令4", {}, "[命令4]\r\n", 3,
       kStatusRunning},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    window.SetText(EchoBox, "");
    window.SetListSelection(CommandListBox, -1);
    Mode(k.mode);
    window.SetChecked(ＱＱ聊天选择框, k.chat);
    window.focused = k.echoFocused ? EchoBox : -1;
    if (ControlStatusText(window) != kStatusRunning) StartControl(c);
    if (k.paused) PauseControl(c);
    actionsDone.Take();

    DispatchPhrase(c, k.phrase);
    EXPECT_EQ(actionsDone.Take(), k.actions);
    EXPECT_EQ(window.Text(EchoBox), k.echo);
    EXPECT_EQ(window.ListSelection(CommandListBox), k.row);
    EXPECT_EQ(ControlStatusText(window), k.status);
  }
}

TEST_F(DispatchTest, ModeSwitchesByVoice) {
  Mode(语音打字单选框);
  DispatchPhrase(c, "命令5");
  EXPECT_TRUE(window.Checked(混合模式单选框));
  EXPECT_FALSE(window.Checked(语音打字单选框));
  DispatchPhrase(c, "命令3");  // built-in 3 through the library
  EXPECT_TRUE(window.Checked(语音打字单选框));
  EXPECT_FALSE(window.Checked(混合模式单选框));
}

TEST_F(DispatchTest, BuiltinsGoOnComparingTheRestOfTheList) {
  // "命令9" is record 9 (toggle the window) and record 50 (an alias text).
  Mode(语音控制单选框);
  DispatchPhrase(c, "命令9");
  EXPECT_FALSE(window.Visible(0));
  EXPECT_EQ(window.Text(EchoBox), "[命令9]\r\n[命令9]\r\n");
  EXPECT_EQ(window.ListSelection(CommandListBox), 49);
  EXPECT_EQ(actionsDone.Take(), (std::vector<std::string>{"clipboard 重复的短语", "keys 11+56"}));
  EXPECT_EQ(library.Store().CurrentNumber(), 50);
}

TEST_F(DispatchTest, ShortOrMissingLibraryNeverMatchesFixedPositions) {
  CoreFixture f;
  lib::WriteLibrary(f.fs, lib::BuiltinOnlyLibrary(5));
  f.library.Open(lib::kProgramDirectory);
  StartControl(f.c);
  for (const char* phrase : {"命令6", "命令7", "命令8", "命令43"}) DispatchPhrase(f.c, phrase);
  EXPECT_EQ(ControlStatusText(f.window), kStatusRunning);
  // Mixed mode (the design's) types all of them.
  EXPECT_EQ(f.actionsDone.done.size(), 8u);
}

TEST_F(DispatchTest, NumberEntryTypesListedNumbersOnly) {
  window.ClearList(CommandListBox);
  for (const char* n : {"1", "2", "10"}) window.AddListItem(CommandListBox, n);
  window.SetChecked(专录数字选择框, true);
  state.numberEntry = {true, "命令6", "命令7"};
  DispatchPhrase(c, "10");
  DispatchPhrase(c, "11");
  EXPECT_EQ(actionsDone.Take(), (std::vector<std::string>{"clipboard 10", "keys 11+56"}));
  EXPECT_EQ(window.Text(EchoBox), "10\r\n");
  window.focused = EchoBox;
  DispatchPhrase(c, "2");
  EXPECT_TRUE(actionsDone.Take().empty());
  // The remembered library phrases pause and resume; every number types.
  DispatchPhrase(c, "命令6");
  EXPECT_EQ(ControlStatusText(window), kStatusPaused);
  DispatchPhrase(c, "1");
  EXPECT_EQ(window.Text(EchoBox), "10\r\n2\r\n[命令6]\r\n");
  DispatchPhrase(c, "命令7");
  EXPECT_EQ(ControlStatusText(window), kStatusRunning);
}

}  // namespace
}  // namespace voz::core
