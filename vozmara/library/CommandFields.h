// The nine fields of a command record: their names, which every part of the
// program uses to read and write them, and the schema of "命令库.edb".
#pragma once

#include <string_view>
#include <vector>

#include "recordstore/RecordStore.h"

namespace voz::library {

namespace field {
inline constexpr std::string_view 命令类型 = "命令类型";
inline constexpr std::string_view 语音命令 = "语音命令";
inline constexpr std::string_view 执行 = "执行";
inline constexpr std::string_view 横坐标 = "横坐标";
inline constexpr std::string_view 纵坐标 = "纵坐标";
inline constexpr std::string_view 点击类型 = "点击类型";
inline constexpr std::string_view 第一键 = "第一键";
inline constexpr std::string_view 第二键 = "第二键";
inline constexpr std::string_view 第三键 = "第三键";
}  // namespace field

inline constexpr int kCommandFieldCount = 9;

// The fields in file order with their stored kinds; the record store's add
// receives its values in this order.
std::vector<recordstore::FieldDef> CommandLibrarySchema();

}  // namespace voz::library
