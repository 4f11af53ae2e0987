// The keys a keyboard command can press: the 87 entries of the command
// editor's key boxes, in list order, each with its Windows virtual-key code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace voz::library {

struct KeyName {
  std::string_view name;  // as the editor shows it, e.g. "Ctrl键"
  std::int32_t code = 0;  // Windows virtual-key code
};

inline constexpr std::size_t kKeyNameCount = 87;

std::span<const KeyName> KeyNameList();

// The list position of a code; nothing for NoKey or a code not in the list
// (the editor then shows no selection).
std::optional<std::size_t> KeyIndexOfCode(std::int32_t code);
std::optional<std::string_view> KeyNameOfCode(std::int32_t code);
// The code of an exact name; nothing when no entry has it.
std::optional<std::int32_t> KeyCodeOfName(std::string_view name);
// The code of a list position, NoKey for no selection or a position beyond
// the list: what a key box stores.
std::int32_t KeyCodeAt(std::optional<std::size_t> index);

}  // namespace voz::library
