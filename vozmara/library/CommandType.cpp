#include "vozmara/library/CommandType.h"

#include <array>

namespace voz::library {

namespace {

constexpr std::array<std::string_view, kCommandTypeCount> kTypeCaptions = {
    "打开文件", "浏览网页", "模拟鼠标", "模拟键盘", "代称文字", "内置命令",
};

constexpr std::array<std::string_view, kClickKindCount> kClickCaptions = {
    "左键单击", "左键双击", "右键单击", "右键双击",
};

}  // namespace

std::string_view CommandTypeCaption(CommandType type) {
  const auto index = static_cast<std::int32_t>(type);
  if (index < 0 || index >= kCommandTypeCount) return {};
  return kTypeCaptions[static_cast<std::size_t>(index)];
}

std::optional<CommandType> CommandTypeFromValue(std::int32_t value) {
  if (value < 0 || value >= kCommandTypeCount) return std::nullopt;
  return static_cast<CommandType>(value);
}

std::string_view ClickKindCaption(ClickKind kind) {
  const auto index = static_cast<std::int32_t>(kind);
  if (index < 0 || index >= kClickKindCount) return {};
  return kClickCaptions[static_cast<std::size_t>(index)];
}

std::optional<ClickKind> ClickKindFromValue(std::int32_t value) {
  if (value < 0 || value >= kClickKindCount) return std::nullopt;
  return static_cast<ClickKind>(value);
}

}  // namespace voz::library
