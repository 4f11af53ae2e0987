#include "platform/ini/IniDocument.h"

#include <algorithm>

#include "platform/ini/IniNames.h"

namespace voz::ini {

namespace {

// Code unit at byte `i` (a byte in GBK, a little-endian pair in UTF-16).
unsigned UnitAt(std::string_view bytes, size_t i, size_t width) {
  if (width == 1) return static_cast<unsigned char>(bytes[i]);
  return static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
}

size_t EntryHash(size_t header, std::string_view key) {
  return NameHash(key) ^ (header * 0x9E3779B97F4A7C15ull);
}

// A power of two at least twice `count`, so probes stay short.
size_t TableSize(size_t count) {
  size_t size = 16;
  while (size < 2 * count) size *= 2;
  return size;
}

// The slot holding a line for which `matches` is true, or the free slot
// where such a line would go.
template <class Matches>
size_t Probe(const std::vector<std::uint32_t>& slots, size_t hash, Matches matches) {
  const size_t mask = slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    if (slots[i] == 0 || matches(slots[i] - 1)) return i;
  }
}

}  // namespace

IniDocument IniDocument::Parse(std::string fileBytes) {
  IniDocument doc;
  doc.bytes_ = std::move(fileBytes);
  doc.encoding_ = DetectEncoding(doc.bytes_);
  const std::string_view bytes = doc.bytes_;
  const size_t width = doc.encoding_ == IniEncoding::kUtf16Le ? 2 : 1;
  const size_t first = doc.encoding_ == IniEncoding::kUtf16Le ? kUtf16LeMark.size() : 0;
  doc.lines_.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  doc.text_.reserve(bytes.size() + bytes.size() / 2);
  // Only LF ends a line (Windows does not split at a lone CR); a CR before
  // it belongs to the line ending. An odd last byte of a UTF-16 file stays
  // in the bytes of the last line but means nothing.
  const size_t whole = bytes.size() - (bytes.size() - first) % width;
  size_t start = first;
  while (start < bytes.size()) {
    size_t end = start;
    while (end < whole && UnitAt(bytes, end, width) != '\n') end += width;
    size_t contentEnd = end;
    if (contentEnd >= start + width && UnitAt(bytes, contentEnd - width, width) == '\r') contentEnd -= width;
    const size_t next = end < whole ? end + width : bytes.size();
    doc.AddLine(start, contentEnd, next);
    start = next;
  }
  doc.BuildIndex();
  return doc;
}

void IniDocument::AddLine(size_t begin, size_t contentEnd, size_t end) {
  const std::string_view content = std::string_view(bytes_).substr(begin, contentEnd - begin);
  const IniLineShape shape = ShapeIniLine(content, encoding_);
  Line line;
  line.begin = static_cast<std::uint32_t>(begin);
  line.end = static_cast<std::uint32_t>(end);
  line.kind = shape.kind;
  const auto decode = [&](ByteRange r) {
    const std::string utf8 = DecodeText(content.substr(r.begin, r.end - r.begin), encoding_);
    const Span span{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(utf8.size())};
    text_ += utf8;
    return span;
  };
  if (shape.kind == IniLineKind::kSection || shape.kind == IniLineKind::kEntry) {
    line.nativeName = {static_cast<std::uint32_t>(begin + shape.name.begin),
                       static_cast<std::uint32_t>(shape.name.end - shape.name.begin)};
    line.name = decode(shape.name);
  }
  if (shape.kind == IniLineKind::kEntry) line.value = decode(shape.value);
  lines_.push_back(line);
}

void IniDocument::BuildIndex() {
  size_t headers = 0, entries = 0;
  for (const Line& line : lines_) {
    headers += line.kind == IniLineKind::kSection;
    entries += line.kind == IniLineKind::kEntry;
  }
  sectionSlots_.assign(TableSize(headers), 0);
  entrySlots_.assign(TableSize(entries), 0);
  std::uint32_t current = kNone;  // header of the section being read, if it is the first of its name
  for (std::uint32_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    const std::string_view name = Name(i);
    if (line.kind == IniLineKind::kSection) {
      std::uint32_t& slot = sectionSlots_[Probe(sectionSlots_, NameHash(name),
                                                [&](size_t other) { return NamesEqual(Name(other), name); })];
      current = slot == 0 ? i : kNone;
      if (slot == 0) slot = i + 1;
    } else if (line.kind == IniLineKind::kEntry && current != kNone) {
      line.link = current;
      lines_[current].link = i;
      std::uint32_t& slot = entrySlots_[Probe(entrySlots_, EntryHash(current, name), [&](size_t other) {
        return lines_[other].link == current && NamesEqual(Name(other), name);
      })];
      if (slot == 0) slot = i + 1;
    }
  }
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const {
  section = TrimArgument(section);
  const std::uint32_t slot = sectionSlots_[Probe(sectionSlots_, NameHash(section),
                                                 [&](size_t line) { return NamesEqual(Name(line), section); })];
  if (slot == 0) return std::nullopt;
  return slot - 1;
}

std::optional<size_t> IniDocument::FindEntry(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  key = TrimArgument(key);
  const std::uint32_t slot = entrySlots_[Probe(entrySlots_, EntryHash(*header, key), [&](size_t line) {
    return lines_[line].link == *header && NamesEqual(Name(line), key);
  })];
  if (slot == 0) return std::nullopt;
  return slot - 1;
}

std::optional<size_t> IniDocument::FindInsertionLine(std::string_view section) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  const std::uint32_t last = lines_[*header].link;
  return last == kNone ? *header : last;
}

}  // namespace voz::ini
