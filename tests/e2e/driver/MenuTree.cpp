#include "tests/e2e/driver/MenuTree.h"

#include <charconv>

namespace voz::e2e {

namespace {

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

bool ToInt(std::string_view text, int& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty();
}

const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, int id) {
  for (const auto& entry : entries) {
    if (!entry.separator && !entry.popup && entry.id == id) return &entry;
    if (const MenuEntry* found = FindIn(entry.children, id)) return found;
  }
  return nullptr;
}

void RenderInto(const std::vector<MenuEntry>& entries, int depth, std::string& out) {
  for (const auto& entry : entries) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    if (entry.separator) {
      out += "----\n";
      continue;
    }
    out += entry.caption;
    // A pop-up has no command of its own.
    if (!entry.popup) out += " #" + std::to_string(entry.id);
    std::string flags;
    if (entry.popup) flags += 'P';
    if (entry.disabled) flags += 'G';
    if (entry.checked) flags += 'C';
    if (!flags.empty()) out += " [" + flags + "]";
    out += '\n';
    RenderInto(entry.children, depth + 1, out);
  }
}

}  // namespace

const MenuEntry* MenuTree::Find(int id) const { return FindIn(top, id); }

std::string MenuTree::Render() const {
  std::string out;
  RenderInto(top, 0, out);
  return out;
}

std::optional<MenuTree> ParseMenuReport(std::string_view report, std::string* error) {
  MenuTree tree;
  // The chain of open entries: path[d] is the list that receives depth d.
  std::vector<std::vector<MenuEntry>*> path{&tree.top};
  std::optional<int> baseDepth;
  int lineNumber = 0;
  for (std::string_view line : Split(report, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const auto fields = Split(line, '\t');
    int depth = 0;
    MenuEntry entry;
    if (fields.size() != 4 || !ToInt(fields[0], depth) || !ToInt(fields[1], entry.id)) {
      if (error) *error = "line " + std::to_string(lineNumber) + " is not <depth>\\t<id>\\t<caption>\\t<flags>";
      return std::nullopt;
    }
    if (!baseDepth) baseDepth = depth;
    depth -= *baseDepth;
    if (depth < 0 || depth >= static_cast<int>(path.size())) {
      if (error) *error = "line " + std::to_string(lineNumber) + " has depth out of order";
      return std::nullopt;
    }
    entry.caption = std::string(fields[2]);
    for (char flag : fields[3]) {
      entry.separator |= flag == 'S';
      entry.popup |= flag == 'P';
      entry.disabled |= flag == 'G';
      entry.checked |= flag == 'C';
    }
    path.resize(static_cast<size_t>(depth) + 1);
    path.back()->push_back(std::move(entry));
    path.push_back(&path.back()->back().children);
  }
  return tree;
}

}  // namespace voz::e2e
