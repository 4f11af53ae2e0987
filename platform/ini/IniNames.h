// How INI names are compared, the way Windows compares them: blanks around
// names are ignored and ASCII letters match in either case. Names here are
// UTF-8, where every byte below 0x80 is a whole character, so folding byte by
// byte never touches a Chinese character.
#pragma once

#include <cstddef>
#include <string_view>

namespace voz::ini {

// The blanks Windows trims around lines, names and values: space, tab and
// vertical tab.
constexpr bool IsIniBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\v'; }

// Windows ignores only spaces around the section and key a caller passes, so
// an argument with a tab at its edge matches nothing.
std::string_view TrimArgument(std::string_view name);

// ASCII case-insensitive equality and a hash consistent with it.
bool NamesEqual(std::string_view a, std::string_view b);
std::size_t NameHash(std::string_view name);

// For unordered containers keyed by name, with lookup by string_view.
struct NameHasher {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return NameHash(name); }
};
struct NameEquals {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return NamesEqual(a, b); }
};

}  // namespace voz::ini
