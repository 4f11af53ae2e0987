#include "platform/ini/IniEdit.h"

#include <optional>

namespace voz::ini {

namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos; }

bool HasBlankEdge(std::string_view name) {
  return !name.empty() && (IsIniBlank(static_cast<unsigned char>(name.front())) ||
                           IsIniBlank(static_cast<unsigned char>(name.back())));
}

bool CanStore(const IniDocument& doc, std::string_view section, std::string_view key, std::string_view value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (section.find(']') != section.npos || key.find('=') != key.npos) return false;
  if (!key.empty() && (key.front() == ';' || key.front() == '[')) return false;
  if (HasBlankEdge(section) || HasBlankEdge(key)) return false;
  return CanEncodeExactly(section, doc.encoding()) && CanEncodeExactly(key, doc.encoding());
}

class Writer {
 public:
  explicit Writer(IniEncoding encoding) : encoding_(encoding) {}
  std::string Text(std::string_view utf8) const { return EncodeText(utf8, encoding_); }
  std::string LineEnd() const { return Text("\r\n"); }
  std::string Entry(std::string_view nativeName, std::string_view value) const {
    return std::string(nativeName) + Text("=") + Text(value) + LineEnd();
  }

 private:
  IniEncoding encoding_;
};

// The file's bytes with `insert` put after line `after` (nullopt: at the
// end), ending that line first if it has no line ending.
std::string InsertAfter(const IniDocument& doc, std::optional<size_t> after, const std::string& insert,
                        const Writer& writer) {
  const auto& lines = doc.lines();
  const size_t split = after ? *after + 1 : lines.size();
  std::string bytes = doc.mark();
  for (size_t i = 0; i < split; ++i) bytes += lines[i].bytes;
  if (split > 0 && !lines[split - 1].terminated) bytes += writer.LineEnd();
  bytes += insert;
  for (size_t i = split; i < lines.size(); ++i) bytes += lines[i].bytes;
  return bytes;
}

}  // namespace

IniEdit SetIniValue(const IniDocument& doc, std::string_view section, std::string_view key,
                    std::string_view value) {
  section = TrimArgument(section);
  key = TrimArgument(key);
  if (!CanStore(doc, section, key, value)) return {};
  const Writer writer(doc.encoding());

  if (const auto line = doc.FindEntry(section, key)) {
    const ParsedLine& old = doc.lines()[*line].parsed;
    const std::string written = writer.Entry(old.nativeName, value);
    // Read the new line back as a reader would (trimmed, quotes off, '?' for
    // what GBK lacks): the same value means nothing to write.
    const std::string content = written.substr(0, written.size() - writer.LineEnd().size());
    if (ParseIniLine(content, doc.encoding()).value == old.value) return {IniEditOutcome::kUnchanged, {}};
    std::string bytes = doc.mark();
    for (size_t i = 0; i < doc.lines().size(); ++i) bytes += i == *line ? written : doc.lines()[i].bytes;
    return {IniEditOutcome::kChanged, std::move(bytes)};
  }

  const std::string entry = writer.Entry(writer.Text(key), value);
  if (const auto after = doc.FindInsertionLine(section)) {
    return {IniEditOutcome::kChanged, InsertAfter(doc, after, entry, writer)};
  }
  const std::string header = writer.Text("[") + writer.Text(section) + writer.Text("]") + writer.LineEnd();
  return {IniEditOutcome::kChanged, InsertAfter(doc, std::nullopt, header + entry, writer)};
}

}  // namespace voz::ini
