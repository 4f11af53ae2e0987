// The kinds of action a command record carries, the click kinds of a mouse
// command and the value that marks an unused key.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace voz::library {

// The value of the field 命令类型; equal to the index of the command editor's
// tab page that shows such a record.
enum class CommandType : std::int32_t {
  OpenFile = 0,    // open 执行 (a file, program or folder) with the shell
  BrowseWeb = 1,   // open 执行 (a web address) with the shell
  MouseClick = 2,  // click at 横坐标, 纵坐标 with 点击类型
  KeyPress = 3,    // press 第一键, 第二键, 第三键 together
  AliasText = 4,   // paste the text 执行
  Builtin = 5,     // the built-in command of the record's number
};

inline constexpr int kCommandTypeCount = 6;

// The caption of the editor's tab page: "打开文件" ... "内置命令".
std::string_view CommandTypeCaption(CommandType type);
// The type a stored value names; nothing for a value outside 0..5 (such a
// record is listed and matched but runs nothing).
std::optional<CommandType> CommandTypeFromValue(std::int32_t value);

// The value of 点击类型, in the order of the editor's list.
enum class ClickKind : std::int32_t {
  LeftSingle = 0,
  LeftDouble = 1,
  RightSingle = 2,
  RightDouble = 3,
};

inline constexpr int kClickKindCount = 4;

// "左键单击", "左键双击", "右键单击", "右键双击".
std::string_view ClickKindCaption(ClickKind kind);
std::optional<ClickKind> ClickKindFromValue(std::int32_t value);

// A key field that holds no key.
inline constexpr std::int32_t NoKey = -1;

}  // namespace voz::library
