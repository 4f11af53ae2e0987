#include "platform/ini/IniLine.h"

#include <type_traits>

#include "platform/ini/IniNames.h"

namespace voz::ini {

namespace {

struct Range {
  size_t begin = 0;
  size_t end = 0;
};

// Walks a line character by character in its own code units: bytes for GBK
// (one or two per character), code units for UTF-16 (one each; surrogates
// never look like ASCII).
template <class Unit>
class Line {
 public:
  Line(std::basic_string_view<Unit> units, bool doubleByte) : s_(units), doubleByte_(doubleByte) {}

  size_t size() const { return s_.size(); }
  char32_t At(size_t i) const { return static_cast<char32_t>(Unsigned(s_[i])); }

  // Width of the character starting at i.
  size_t Width(size_t i) const {
    const auto u = Unsigned(s_[i]);
    return doubleByte_ && u >= 0x81 && u <= 0xFE && i + 1 < s_.size() ? 2 : 1;
  }
  bool IsSingle(size_t i, char32_t c) const { return Width(i) == 1 && At(i) == c; }

  // The first character c in [from, end), or end.
  size_t Find(size_t from, size_t end, char32_t c) const {
    for (size_t i = from; i < end; i += Width(i)) {
      if (IsSingle(i, c)) return i;
    }
    return end;
  }

  // Blanks off both ends; `r` must start on a character.
  Range Trim(Range r) const {
    while (r.begin < r.end && IsBlankAt(r.begin)) ++r.begin;
    size_t end = r.begin;
    for (size_t i = r.begin; i < r.end; i += Width(i)) {
      if (!IsBlankAt(i)) end = i + Width(i);
    }
    return {r.begin, end};
  }

  // "x" or 'x' of two or more characters loses its one pair of quotes.
  Range StripQuotes(Range r) const {
    if (r.begin >= r.end) return r;
    const char32_t quote = At(r.begin);
    if (quote != U'"' && quote != U'\'') return r;
    size_t last = r.begin;
    for (size_t i = r.begin; i < r.end; i += Width(i)) last = i;
    if (last == r.begin || !IsSingle(last, quote)) return r;
    return {r.begin + 1, last};
  }

  std::basic_string_view<Unit> Slice(Range r) const { return s_.substr(r.begin, r.end - r.begin); }

 private:
  static auto Unsigned(Unit u) { return static_cast<std::make_unsigned_t<Unit>>(u); }
  bool IsBlankAt(size_t i) const { return Width(i) == 1 && IsIniBlank(At(i)); }

  std::basic_string_view<Unit> s_;
  bool doubleByte_;
};

struct LineShape {
  IniLineKind kind = IniLineKind::kOther;
  Range name;
  Range value;
};

template <class Unit>
LineShape Shape(const Line<Unit>& line) {
  const size_t n = line.size();
  const Range all = line.Trim({0, n});
  if (all.begin == all.end) return {};
  if (line.IsSingle(all.begin, U';')) return {IniLineKind::kComment, {}, {}};
  if (line.IsSingle(all.begin, U'[')) {
    const size_t close = line.Find(all.begin + 1, n, U']');
    return {IniLineKind::kSection, line.Trim({all.begin + 1, close}), {}};
  }
  const size_t equals = line.Find(all.begin, n, U'=');
  if (equals == n) return {};
  return {IniLineKind::kEntry, line.Trim({all.begin, equals}),
          line.StripQuotes(line.Trim({equals + 1, n}))};
}

template <class Unit, class ToBytes>
ParsedLine Parse(const Line<Unit>& line, IniEncoding encoding, ToBytes toBytes) {
  const LineShape shape = Shape(line);
  ParsedLine parsed;
  parsed.kind = shape.kind;
  if (shape.kind == IniLineKind::kSection || shape.kind == IniLineKind::kEntry) {
    parsed.nativeName = toBytes(line.Slice(shape.name));
    parsed.name = DecodeText(parsed.nativeName, encoding);
  }
  if (shape.kind == IniLineKind::kEntry) parsed.value = DecodeText(toBytes(line.Slice(shape.value)), encoding);
  return parsed;
}

}  // namespace

ParsedLine ParseIniLine(std::string_view content, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf16Le) {
    const std::u16string units = BytesToUnits(content);
    return Parse(Line<char16_t>(units, false), encoding,
                 [](std::u16string_view part) { return UnitsToBytes(part); });
  }
  return Parse(Line<char>(content, true), encoding, [](std::string_view part) { return std::string(part); });
}

}  // namespace voz::ini
