// An INI file parsed into lines. Every line keeps its exact bytes, so an edit
// can write the file back changed only where it must; each line also carries
// what it means (IniLine.h). Lookups follow Windows:
// - the first section of a name is the only one searched, and its first key
//   of a name wins;
// - names match ignoring ASCII case (never inside a Chinese character);
// - spaces (not tabs) around the names asked for are ignored;
// - keys above the first section header belong to no section.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ini/IniEncoding.h"
#include "platform/ini/IniLine.h"
#include "platform/ini/IniNames.h"

namespace voz::ini {

struct IniLine {
  std::string bytes;        // as in the file, line ending included
  bool terminated = false;  // ends with LF
  ParsedLine parsed;
};

class IniDocument {
 public:
  // Any bytes parse; an empty text is an empty GBK document.
  static IniDocument Parse(std::string_view fileBytes);

  IniEncoding encoding() const { return encoding_; }
  // The byte-order mark ahead of the first line ("" for GBK).
  const std::string& mark() const { return mark_; }
  const std::vector<IniLine>& lines() const { return lines_; }
  // The file's bytes, as parsed.
  std::string Bytes() const;

  // The line of the entry a reader gets for section/key.
  std::optional<size_t> FindEntry(std::string_view section, std::string_view key) const;
  // The entry's value as a reader gets it (UTF-8), or nothing.
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  // The line after which a new key of `section` goes: the last entry of the
  // first such section, or its header when it has none.
  std::optional<size_t> FindInsertionLine(std::string_view section) const;

 private:
  struct SectionIndex {
    size_t header = 0;
    std::optional<size_t> lastEntry;
    std::unordered_map<std::string, size_t, NameHasher, NameEquals> keys;
  };
  const SectionIndex* FindSection(std::string_view section) const;
  void BuildIndex();

  IniEncoding encoding_ = IniEncoding::kGbk;
  std::string mark_;
  std::vector<IniLine> lines_;
  std::unordered_map<std::string, SectionIndex, NameHasher, NameEquals> sections_;
};

}  // namespace voz::ini
