#include "platform/ini/IniEdit.h"

#include <algorithm>
#include <optional>

#include "platform/ini/IniNames.h"

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

// New text in the file's encoding.
class Writer {
 public:
  explicit Writer(IniEncoding encoding)
      : encoding_(encoding), lineEnd_(Text("\r\n")), equals_(Text("=")) {}
  std::string Text(std::string_view utf8) const { return EncodeText(utf8, encoding_); }
  const std::string& LineEnd() const { return lineEnd_; }
  // `name=value` without its line ending.
  std::string Entry(std::string_view nativeName, std::string_view value) const {
    return std::string(nativeName) + equals_ + Text(value);
  }
  std::string Header(std::string_view section) const { return Text("[") + Text(section) + Text("]") + lineEnd_; }

 private:
  IniEncoding encoding_;
  std::string lineEnd_;
  std::string equals_;
};

// The file with `insert` put at byte `at`, which ends a line or the file. A
// last line without an ending gets one first; the stray odd byte at the end
// of a UTF-16 file, which is no character, is dropped there.
std::string InsertAt(const IniDocument& doc, size_t at, std::string_view insert, const Writer& writer) {
  const std::string& bytes = doc.bytes();
  std::string out = bytes.substr(0, at);
  const size_t mark = doc.encoding() == IniEncoding::kUtf16Le ? kUtf16LeMark.size() : 0;
  const size_t unit = writer.LineEnd().size() / 2;
  if ((out.size() - mark) % unit != 0) out.pop_back();
  const std::string_view lastUnit = std::string_view(out).substr(out.size() - std::min(out.size() - mark, unit));
  if (!lastUnit.empty() && lastUnit != writer.LineEnd().substr(unit)) out += writer.LineEnd();
  out += insert;
  out += bytes.substr(at);
  return out;
}

}  // namespace

IniEdit SetIniValue(const IniDocument& doc, std::string_view section, std::string_view key,
                    std::string_view value) {
  section = TrimArgument(section);
  key = TrimArgument(key);
  if (!CanStore(doc, section, key, value)) return {};
  const Writer writer(doc.encoding());

  if (const auto line = doc.FindEntry(section, key)) {
    const std::string entry = writer.Entry(doc.NativeName(*line), value);
    // Read the new line back as a reader would (trimmed, quotes off, '?' for
    // what GBK lacks): the same value means nothing to write.
    const ByteRange read = ShapeIniLine(entry, doc.encoding()).value;
    if (DecodeText(std::string_view(entry).substr(read.begin, read.end - read.begin), doc.encoding()) ==
        doc.Value(*line)) {
      return {IniEditOutcome::kUnchanged, {}};
    }
    const std::string& bytes = doc.bytes();
    return {IniEditOutcome::kChanged, bytes.substr(0, doc.LineBegin(*line)) + entry + writer.LineEnd() +
                                          bytes.substr(doc.LineEnd(*line))};
  }

  const std::string entry = writer.Entry(writer.Text(key), value) + writer.LineEnd();
  if (const auto after = doc.FindInsertionLine(section)) {
    return {IniEditOutcome::kChanged, InsertAt(doc, doc.LineEnd(*after), entry, writer)};
  }
  return {IniEditOutcome::kChanged, InsertAt(doc, doc.bytes().size(), writer.Header(section) + entry, writer)};
}

}  // namespace voz::ini
