#include "platform/ini/IniLine.h"

#include "platform/ini/IniNames.h"

namespace voz::ini {

namespace {

// Walks a line character by character in code units: bytes for GBK (one or
// two per character), little-endian pairs for UTF-16 (one unit each, as
// surrogates never look like ASCII). Offsets count units.
class Line {
 public:
  Line(std::string_view bytes, IniEncoding encoding)
      : bytes_(bytes), wide_(encoding == IniEncoding::kUtf16Le), size_(wide_ ? bytes.size() / 2 : bytes.size()) {}

  size_t size() const { return size_; }
  size_t UnitBytes() const { return wide_ ? 2 : 1; }

  // Width in units of the character starting at i.
  size_t Width(size_t i) const {
    const unsigned u = At(i);
    return !wide_ && u >= 0x81 && u <= 0xFE && i + 1 < size_ ? 2 : 1;
  }
  bool IsSingle(size_t i, char32_t c) const { return At(i) == c && Width(i) == 1; }

  // The first character c in [from, end), or end.
  size_t Find(size_t from, size_t end, char32_t c) const {
    for (size_t i = from; i < end; i += Width(i)) {
      if (IsSingle(i, c)) return i;
    }
    return end;
  }

  // Blanks off both ends; `r` must start on a character.
  ByteRange Trim(ByteRange r) const {
    while (r.begin < r.end && IsBlankAt(r.begin)) ++r.begin;
    size_t end = r.begin;
    for (size_t i = r.begin; i < r.end; i += Width(i)) {
      if (!IsBlankAt(i)) end = i + Width(i);
    }
    return {r.begin, end};
  }

  // "x" or 'x' of two or more characters loses its one pair of quotes.
  ByteRange StripQuotes(ByteRange r) const {
    if (r.begin >= r.end) return r;
    const unsigned quote = At(r.begin);
    if (quote != '"' && quote != '\'') return r;
    size_t last = r.begin;
    for (size_t i = r.begin; i < r.end; i += Width(i)) last = i;
    if (last == r.begin || !IsSingle(last, quote)) return r;
    return {r.begin + 1, last};
  }

 private:
  unsigned At(size_t i) const {
    if (!wide_) return static_cast<unsigned char>(bytes_[i]);
    return static_cast<unsigned char>(bytes_[2 * i]) | static_cast<unsigned char>(bytes_[2 * i + 1]) << 8;
  }
  bool IsBlankAt(size_t i) const { return IsIniBlank(At(i)) && Width(i) == 1; }

  std::string_view bytes_;
  bool wide_;
  size_t size_;
};

IniLineShape ShapeInUnits(const Line& line) {
  const size_t n = line.size();
  const ByteRange all = line.Trim({0, n});
  if (all.begin == all.end) return {};
  if (line.IsSingle(all.begin, U';')) return {IniLineKind::kComment, {}, {}};
  if (line.IsSingle(all.begin, U'[')) {
    const size_t close = line.Find(all.begin + 1, n, U']');
    return {IniLineKind::kSection, line.Trim({all.begin + 1, close}), {}};
  }
  const size_t equals = line.Find(all.begin, n, U'=');
  if (equals == n) return {};
  return {IniLineKind::kEntry, line.Trim({all.begin, equals}), line.StripQuotes(line.Trim({equals + 1, n}))};
}

}  // namespace

IniLineShape ShapeIniLine(std::string_view content, IniEncoding encoding) {
  const Line line(content, encoding);
  IniLineShape shape = ShapeInUnits(line);
  const size_t unit = line.UnitBytes();
  for (ByteRange* r : {&shape.name, &shape.value}) *r = {r->begin * unit, r->end * unit};
  return shape;
}

}  // namespace voz::ini
