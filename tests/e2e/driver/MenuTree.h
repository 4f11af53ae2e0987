// A menu bar as the program reports it: UTF-8 lines
// "<depth>\t<id>\t<caption>\t<flags>", flags being letters (S separator,
// P pop-up, G disabled, C checked), parsed into a tree and written back as
// indented text that a test compares in one piece.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voz::e2e {

struct MenuEntry {
  int id = 0;
  std::string caption;
  bool separator = false;
  bool popup = false;
  bool disabled = false;
  bool checked = false;
  std::vector<MenuEntry> children;
};

struct MenuTree {
  std::vector<MenuEntry> top;

  // The first command entry with that id, searched depth first; null when
  // none.
  const MenuEntry* Find(int id) const;

  // One line per entry, two spaces of indent per level: "----" for a
  // separator, "<caption> [P...]" for a pop-up, else "<caption> #<id>"; then
  // " [PGC]" with those flags that are set.
  std::string Render() const;
};

// Nullopt, with the line at fault in `error`, when the text is not a report:
// a line without four fields, an id that is not a number, or a depth deeper
// than one below the line before. The first line's depth is the top level.
std::optional<MenuTree> ParseMenuReport(std::string_view report, std::string* error);

}  // namespace voz::e2e
