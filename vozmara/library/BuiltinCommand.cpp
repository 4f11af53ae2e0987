#include "vozmara/library/BuiltinCommand.h"

#include <array>

namespace voz::library {

namespace {

constexpr std::array<BuiltinCommandInfo, kBuiltinCommandCount> kBuiltins = {{
#define VOZ_BUILTIN_INFO(record, name, description) \
  {record, BuiltinCommand::name, #name, description},
    VOZ_BUILTIN_COMMANDS(VOZ_BUILTIN_INFO)
#undef VOZ_BUILTIN_INFO
}};

// Record numbers run 1..43 without gaps, so a number indexes the table.
constexpr bool NumbersRunInOrder() {
  for (std::size_t i = 0; i < kBuiltins.size(); ++i) {
    if (kBuiltins[i].record != static_cast<int>(i) + 1) return false;
  }
  return true;
}
static_assert(NumbersRunInOrder(), "built-in commands must be listed as records 1..43 in order");

}  // namespace

std::span<const BuiltinCommandInfo> BuiltinCommands() { return kBuiltins; }

std::optional<BuiltinCommand> BuiltinAt(int record) {
  if (record < 1 || record > kBuiltinCommandCount) return std::nullopt;
  return kBuiltins[static_cast<std::size_t>(record - 1)].command;
}

const BuiltinCommandInfo& BuiltinInfo(BuiltinCommand command) {
  return kBuiltins[static_cast<std::size_t>(static_cast<int>(command) - 1)];
}

}  // namespace voz::library
