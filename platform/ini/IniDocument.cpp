#include "platform/ini/IniDocument.h"

#include <algorithm>

namespace voz::ini {

namespace {

// Code unit `i` of the body (a byte in GBK, a little-endian pair in UTF-16).
unsigned UnitAt(std::string_view body, size_t i, size_t width) {
  if (width == 1) return static_cast<unsigned char>(body[i]);
  return static_cast<unsigned char>(body[i]) | static_cast<unsigned char>(body[i + 1]) << 8;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view fileBytes) {
  IniDocument doc;
  doc.encoding_ = DetectEncoding(fileBytes);
  const size_t width = doc.encoding_ == IniEncoding::kUtf16Le ? 2 : 1;
  std::string_view body = fileBytes;
  if (doc.encoding_ == IniEncoding::kUtf16Le) {
    doc.mark_ = std::string(kUtf16LeMark);
    body.remove_prefix(kUtf16LeMark.size());
  }
  // Only LF ends a line (Windows does not split at a lone CR); a CR before
  // it belongs to the line ending. An odd last byte of a UTF-16 file stays
  // in the bytes of the last line but means nothing.
  const size_t whole = body.size() - body.size() % width;
  size_t start = 0;
  while (start < body.size()) {
    size_t end = start;
    while (end < whole && UnitAt(body, end, width) != '\n') end += width;
    IniLine line;
    line.terminated = end < whole;
    const size_t next = line.terminated ? end + width : body.size();
    line.bytes = std::string(body.substr(start, next - start));
    size_t contentEnd = std::min(end, whole);
    if (contentEnd >= start + width && UnitAt(body, contentEnd - width, width) == '\r') contentEnd -= width;
    line.parsed = ParseIniLine(body.substr(start, contentEnd - start), doc.encoding_);
    doc.lines_.push_back(std::move(line));
    start = next;
  }
  doc.BuildIndex();
  return doc;
}

void IniDocument::BuildIndex() {
  SectionIndex* current = nullptr;  // null above the first header and in repeated sections
  for (size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine& line = lines_[i].parsed;
    if (line.kind == IniLineKind::kSection) {
      const auto [it, added] = sections_.try_emplace(line.name);
      if (added) it->second.header = i;
      current = added ? &it->second : nullptr;
    } else if (line.kind == IniLineKind::kEntry && current != nullptr) {
      current->keys.try_emplace(line.name, i);
      current->lastEntry = i;
    }
  }
}

std::string IniDocument::Bytes() const {
  std::string bytes = mark_;
  for (const IniLine& line : lines_) bytes += line.bytes;
  return bytes;
}

const IniDocument::SectionIndex* IniDocument::FindSection(std::string_view section) const {
  const auto it = sections_.find(TrimArgument(section));
  return it == sections_.end() ? nullptr : &it->second;
}

std::optional<size_t> IniDocument::FindEntry(std::string_view section, std::string_view key) const {
  const SectionIndex* index = FindSection(section);
  if (index == nullptr) return std::nullopt;
  const auto it = index->keys.find(TrimArgument(key));
  if (it == index->keys.end()) return std::nullopt;
  return it->second;
}

const std::string* IniDocument::FindValue(std::string_view section, std::string_view key) const {
  const auto line = FindEntry(section, key);
  return line ? &lines_[*line].parsed.value : nullptr;
}

std::optional<size_t> IniDocument::FindInsertionLine(std::string_view section) const {
  const SectionIndex* index = FindSection(section);
  if (index == nullptr) return std::nullopt;
  return index->lastEntry.value_or(index->header);
}

}  // namespace voz::ini
