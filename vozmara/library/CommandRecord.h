// One record of the command library, as the program reads it: numbers as
// 32-bit integers whatever width the file stores, 执行 and 语音命令 as text.
#pragma once

#include <cstdint>
#include <string>

#include "vozmara/library/CommandType.h"

namespace voz::library {

struct CommandRecord {
  std::int32_t type = 0;          // 命令类型; may hold a value outside CommandType
  std::string phrase;             // 语音命令, as stored (spaces kept)
  std::string execute;            // 执行: path, address, alias text or description
  std::int32_t x = 0;             // 横坐标
  std::int32_t y = 0;             // 纵坐标
  std::int32_t clickKind = 0;     // 点击类型
  std::int32_t firstKey = 0;      // 第一键
  std::int32_t secondKey = 0;     // 第二键, NoKey for none
  std::int32_t thirdKey = 0;      // 第三键, NoKey for none

  bool operator==(const CommandRecord&) const = default;
};

}  // namespace voz::library
