// An INI file parsed into lines. The document keeps the file's bytes, so an
// edit can write the file back changed only where it must, and for every
// line what it means (IniLine.h), with names and values decoded to UTF-8.
// Lookups follow Windows:
// - the first section of a name is the only one searched, and its first key
//   of a name wins;
// - names match ignoring ASCII case (never inside a Chinese character);
// - spaces (not tabs) around the names asked for are ignored;
// - keys above the first section header belong to no section.
// The whole document is a few flat arrays, so a parse costs a handful of
// allocations whatever the size of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/IniEncoding.h"
#include "platform/ini/IniLine.h"

namespace voz::ini {

class IniDocument {
 public:
  // Any bytes parse; an empty text is an empty GBK document.
  static IniDocument Parse(std::string fileBytes);

  IniEncoding encoding() const { return encoding_; }
  // The file's bytes: the byte-order mark (if any), then every line.
  const std::string& bytes() const { return bytes_; }

  size_t LineCount() const { return lines_.size(); }
  // Byte offsets of a line in bytes(), its ending included.
  size_t LineBegin(size_t line) const { return lines_[line].begin; }
  size_t LineEnd(size_t line) const { return lines_[line].end; }
  IniLineKind Kind(size_t line) const { return lines_[line].kind; }
  // A header's or an entry's name and an entry's value, in UTF-8.
  std::string_view Name(size_t line) const { return Slice(text_, lines_[line].name); }
  std::string_view Value(size_t line) const { return Slice(text_, lines_[line].value); }
  // The name as spelled in the file, in its encoding.
  std::string_view NativeName(size_t line) const { return Slice(bytes_, lines_[line].nativeName); }

  // The line of the entry a reader gets for section/key.
  std::optional<size_t> FindEntry(std::string_view section, std::string_view key) const;
  // The line after which a new key of `section` goes: the last entry of the
  // first such section, or its header when it has none.
  std::optional<size_t> FindInsertionLine(std::string_view section) const;

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;
  struct Span {
    std::uint32_t begin = 0;
    std::uint32_t size = 0;
  };
  struct Line {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    IniLineKind kind = IniLineKind::kOther;
    Span name;        // in text_
    Span value;       // in text_
    Span nativeName;  // in bytes_
    // Entries: the header line of the section they are found under (kNone
    // above the first header and in repeated sections). Headers: their last
    // entry (kNone when none).
    std::uint32_t link = kNone;
  };

  static std::string_view Slice(const std::string& s, Span span) { return {s.data() + span.begin, span.size}; }
  void AddLine(size_t begin, size_t contentEnd, size_t end);
  void BuildIndex();
  std::optional<size_t> FindSection(std::string_view section) const;

  IniEncoding encoding_ = IniEncoding::kGbk;
  std::string bytes_;
  std::string text_;  // decoded names and values, one after another
  std::vector<Line> lines_;
  // Open-addressing hash tables of line numbers + 1 (0: free slot): the
  // first header of each section name, and the first entry of each key in
  // each first section.
  std::vector<std::uint32_t> sectionSlots_;
  std::vector<std::uint32_t> entrySlots_;
};

}  // namespace voz::ini
