#include "platform/ini/IniNames.h"

#include <cstdint>

namespace voz::ini {

namespace {

constexpr unsigned char Fold(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

}  // namespace

std::string_view TrimArgument(std::string_view name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = name.find_last_not_of(' ');
  return name.substr(first, last - first + 1);
}

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

std::size_t NameHash(std::string_view name) {
  // FNV-1a over the folded bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) {
    hash ^= Fold(c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

}  // namespace voz::ini
