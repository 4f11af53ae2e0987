#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vozmara/library/BuiltinCommand.h"
#include "vozmara/library/CommandFields.h"
#include "vozmara/library/CommandType.h"
#include "vozmara/library/KeyNameList.h"

namespace voz::library {
namespace {

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string joined(a);
  joined.append(b).append(c);
  return joined;
}

TEST(KeyNameList, HoldsTheEditorsEntriesInListOrder) {
  const auto keys = KeyNameList();
  ASSERT_EQ(keys.size(), 87u);
  // Digits, letters and F keys run in blocks of consecutive codes.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(keys[static_cast<size_t>(i)].name, Join("键", std::to_string(i)));
    EXPECT_EQ(keys[static_cast<size_t>(i)].code, 0x30 + i);
  }
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(keys[static_cast<size_t>(10 + i)].name, Join(std::string(1, static_cast<char>('A' + i)), "键"));
    EXPECT_EQ(keys[static_cast<size_t>(10 + i)].code, 0x41 + i);
  }
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(keys[static_cast<size_t>(36 + i)].name, Join("F", std::to_string(i + 1), "键"));
    EXPECT_EQ(keys[static_cast<size_t>(36 + i)].code, 0x70 + i);
  }
  // The rest, in the editor's order (Home before End, 右中括号键 before 斜杠键).
  const KeyName rest[] = {
      {"Break键", 0x03},   {"退格键", 0x08},      {"Tab键", 0x09},       {"回车键", 0x0D},
      {"Shift键", 0x10},   {"Ctrl键", 0x11},      {"Alt键", 0x12},       {"Pause键", 0x13},
      {"CapsLock键", 0x14}, {"NumLock键", 0x90},  {"ScrollLock键", 0x91}, {"Esc键", 0x1B},
      {"空格键", 0x20},    {"PageUp键", 0x21},    {"PageDown键", 0x22},  {"Home键", 0x24},
      {"End键", 0x23},     {"左光标键", 0x25},    {"上光标键", 0x26},    {"右光标键", 0x27},
      {"下光标键", 0x28},  {"Ins键", 0x2D},       {"Del键", 0x2E},       {"分号键", 0xBA},
      {"等号键", 0xBB},    {"逗号键", 0xBC},      {"减号键", 0xBD},      {"圆点键", 0xBE},
      {"除号键", 0xBF},    {"反撇号键", 0xC0},    {"左中括号键", 0xDB},  {"右中括号键", 0xDD},
      {"斜杠键", 0xDC},    {"单引号键", 0xDE},    {"win键", 0x5B},
  };
  ASSERT_EQ(52 + std::size(rest), keys.size());
  for (size_t i = 0; i < std::size(rest); ++i) {
    EXPECT_EQ(keys[52 + i].name, rest[i].name) << i;
    EXPECT_EQ(keys[52 + i].code, rest[i].code) << rest[i].name;
  }
}

TEST(KeyNameList, LookupsAgreeWithTheListAndRefuseUnknownKeys) {
  const auto keys = KeyNameList();
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(KeyIndexOfCode(keys[i].code), i);
    EXPECT_EQ(KeyNameOfCode(keys[i].code), keys[i].name);
    EXPECT_EQ(KeyCodeOfName(keys[i].name), keys[i].code);
    EXPECT_EQ(KeyCodeAt(i), keys[i].code);
  }
  EXPECT_EQ(KeyIndexOfCode(0x30), 0u) << "键0 is a key like any other";
  for (const std::int32_t code : {NoKey, 0, 0x01, 0x5C, 0x80, 0xFF, 0x10000}) {
    EXPECT_EQ(KeyIndexOfCode(code), std::nullopt) << code;
    EXPECT_EQ(KeyNameOfCode(code), std::nullopt) << code;
  }
  EXPECT_EQ(KeyCodeOfName("ctrl键"), std::nullopt);
  EXPECT_EQ(KeyCodeOfName("Ctrl"), std::nullopt);
  EXPECT_EQ(KeyCodeAt(std::nullopt), NoKey);
  EXPECT_EQ(KeyCodeAt(87), NoKey);
}

TEST(BuiltinCommand, FortyThreePositionsInRecordOrder) {
  const auto all = BuiltinCommands();
  ASSERT_EQ(all.size(), 43u);
  std::set<std::string_view> names;
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].record, static_cast<int>(i) + 1);
    EXPECT_EQ(static_cast<int>(all[i].command), all[i].record);
    EXPECT_EQ(BuiltinAt(all[i].record), all[i].command);
    EXPECT_EQ(&BuiltinInfo(all[i].command), &all[i]);
    EXPECT_FALSE(all[i].description.empty());
    names.insert(all[i].name);
  }
  EXPECT_EQ(names.size(), 43u);
  // The positions the dispatch tests by number.
  EXPECT_EQ(BuiltinAt(4), BuiltinCommand::ModeVoiceControl);
  EXPECT_EQ(BuiltinAt(5), BuiltinCommand::ModeMixed);
  EXPECT_EQ(BuiltinAt(6), BuiltinCommand::PauseControl);
  EXPECT_EQ(BuiltinAt(7), BuiltinCommand::ResumeControl);
  EXPECT_EQ(BuiltinAt(8), BuiltinCommand::StopControl);
  EXPECT_EQ(BuiltinAt(17), BuiltinCommand::NoAction);
  EXPECT_EQ(BuiltinAt(43), BuiltinCommand::PressChatSend);
  EXPECT_EQ(BuiltinInfo(BuiltinCommand::ForcedShutdown).record, 27);
  EXPECT_EQ(BuiltinInfo(BuiltinCommand::ShowCommandList).name, "ShowCommandList");
  EXPECT_EQ(BuiltinAt(0), std::nullopt);
  EXPECT_EQ(BuiltinAt(44), std::nullopt);
  EXPECT_EQ(BuiltinAt(-1), std::nullopt);
}

TEST(CommandType, CaptionsAndValues) {
  const char* captions[] = {"打开文件", "浏览网页", "模拟鼠标", "模拟键盘", "代称文字", "内置命令"};
  for (int v = 0; v < 6; ++v) {
    ASSERT_TRUE(CommandTypeFromValue(v).has_value());
    EXPECT_EQ(CommandTypeCaption(*CommandTypeFromValue(v)), captions[v]);
  }
  EXPECT_EQ(CommandTypeFromValue(-1), std::nullopt);
  EXPECT_EQ(CommandTypeFromValue(6), std::nullopt);
  EXPECT_EQ(CommandTypeCaption(static_cast<CommandType>(9)), "");

  const char* clicks[] = {"左键单击", "左键双击", "右键单击", "右键双击"};
  for (int v = 0; v < 4; ++v) {
    ASSERT_TRUE(ClickKindFromValue(v).has_value());
    EXPECT_EQ(ClickKindCaption(*ClickKindFromValue(v)), clicks[v]);
  }
  EXPECT_EQ(ClickKindFromValue(4), std::nullopt);
  EXPECT_EQ(NoKey, -1);
}

TEST(CommandLibrarySchema, NineFieldsInFileOrderWithTheirKinds) {
  using recordstore::FieldKind;
  const std::vector<recordstore::FieldDef> expected = {
      {"命令类型", FieldKind::Int16}, {"语音命令", FieldKind::Text}, {"执行", FieldKind::Text},
      {"横坐标", FieldKind::Int32},   {"纵坐标", FieldKind::Int32},   {"点击类型", FieldKind::Int16},
      {"第一键", FieldKind::Int32},   {"第二键", FieldKind::Int32},   {"第三键", FieldKind::Int32},
  };
  EXPECT_EQ(CommandLibrarySchema(), expected);
}

}  // namespace
}  // namespace voz::library
