#include "vozmara/core/ChineseNumbers.h"

#include <algorithm>
#include <cstddef>

namespace voz::core {

namespace {

constexpr const char* kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr const char* kLiang = "两";
// Four groups: the units run out after 万亿.
constexpr std::size_t kMaxGroupedDigits = 16;
// Up to this many 2s that may be 两 get every mix (eight forms); beyond it
// only all 二 and all 两, so a number never floods the grammar.
constexpr std::size_t kMaxMixedLiang = 3;

enum class PieceKind { Digit, Zero, Unit };

struct Piece {
  PieceKind kind;
  int value;  // the digit, or the unit's power of ten: 1 十, 2 百, 3 千, 4 万, 8 亿, 12 万亿
  bool mayBeLiang = false;
};

const char* UnitText(int power) {
  switch (power) {
    case 1: return "十";
    case 2: return "百";
    case 3: return "千";
    case 4: return "万";
    case 8: return "亿";
    default: return "万亿";
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string DigitByDigit(std::string_view digits) {
  std::string reading;
  for (const char c : digits) reading += kDigits[c - '0'];
  return reading;
}

// The integer's reading as pieces; `digits` has no leading zero (or is "0")
// and at most kMaxGroupedDigits digits.
std::vector<Piece> IntegerPieces(std::string_view digits) {
  if (digits == "0") return {{PieceKind::Zero, 0}};
  std::vector<Piece> pieces;
  const std::size_t groups = (digits.size() + 3) / 4;
  std::size_t pos = 0;
  bool emitted = false;  // a group has been read
  bool skipped = false;  // an all-zero group came after it
  for (std::size_t g = 0; g < groups; ++g) {
    const std::size_t length = g == 0 ? digits.size() - (groups - 1) * 4 : 4;
    const std::string_view group = digits.substr(pos, length);
    pos += length;
    const int groupPower = 4 * static_cast<int>(groups - 1 - g);
    int value = 0;
    for (const char c : group) value = value * 10 + (c - '0');
    if (value == 0) {
      skipped = skipped || emitted;
      continue;
    }
    if (emitted && (skipped || value < 1000)) pieces.push_back({PieceKind::Zero, 0});
    bool started = false, zeroPending = false;
    for (std::size_t i = 0; i < length; ++i) {
      const int digit = group[i] - '0';
      const int power = static_cast<int>(length - 1 - i);
      if (digit == 0) {
        zeroPending = started;  // inner zeros make one 零, trailing ones none
        continue;
      }
      if (zeroPending) pieces.push_back({PieceKind::Zero, 0});
      zeroPending = false;
      // 一十 is said 十 only where the number begins.
      const bool bareTen = digit == 1 && power == 1 && !emitted && !started;
      const bool liang = digit == 2 && (power >= 2 || (power == 0 && value == 2 && groupPower > 0));
      if (!bareTen) pieces.push_back({PieceKind::Digit, digit, liang});
      if (power > 0) pieces.push_back({PieceKind::Unit, power});
      started = true;
    }
    if (groupPower > 0) pieces.push_back({PieceKind::Unit, groupPower});
    emitted = true;
    skipped = false;
  }
  return pieces;
}

// 一百五十 -> 一百五: the last unit goes when the unit just above it comes
// right before its digit. Empty when the integer has no such form.
std::vector<Piece> Colloquial(std::vector<Piece> pieces) {
  const std::size_t n = pieces.size();
  if (n < 3) return {};
  const Piece& last = pieces[n - 1];
  const Piece& digit = pieces[n - 2];
  const Piece& above = pieces[n - 3];
  if (last.kind != PieceKind::Unit || last.value > 3 || digit.kind != PieceKind::Digit ||
      above.kind != PieceKind::Unit || above.value != last.value + 1) {
    return {};
  }
  pieces.pop_back();
  pieces.back().mayBeLiang = false;  // now the last digit: never 两
  return pieces;
}

std::string Render(const std::vector<Piece>& pieces, const std::vector<std::size_t>& liang) {
  std::string text;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& p = pieces[i];
    if (p.kind == PieceKind::Unit) {
      text += UnitText(p.value);
    } else if (std::find(liang.begin(), liang.end(), i) != liang.end()) {
      text += kLiang;
    } else {
      text += kDigits[p.value];
    }
  }
  return text;
}

// The reading with 二 throughout first, then its 两 variants.
void AddVariants(const std::vector<Piece>& pieces, std::vector<std::string>& forms) {
  std::vector<std::size_t> eligible;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].mayBeLiang) eligible.push_back(i);
  }
  if (eligible.size() > kMaxMixedLiang) {
    forms.push_back(Render(pieces, {}));
    forms.push_back(Render(pieces, eligible));
    return;
  }
  for (unsigned mask = 0; mask < (1u << eligible.size()); ++mask) {
    std::vector<std::size_t> chosen;
    for (std::size_t bit = 0; bit < eligible.size(); ++bit) {
      if (mask & (1u << bit)) chosen.push_back(eligible[bit]);
    }
    forms.push_back(Render(pieces, chosen));
  }
}

}  // namespace

std::vector<std::string> ChineseReadings(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (!AllDigits(integer) || (point != std::string_view::npos && !AllDigits(fraction))) return {};

  std::vector<std::string> forms;
  if ((integer.size() > 1 && integer.front() == '0') || integer.size() > kMaxGroupedDigits) {
    forms.push_back(DigitByDigit(integer));
  } else {
    const std::vector<Piece> pieces = IntegerPieces(integer);
    AddVariants(pieces, forms);
    if (fraction.empty()) {
      const std::vector<Piece> colloquial = Colloquial(pieces);
      if (!colloquial.empty()) AddVariants(colloquial, forms);
    }
  }
  const std::string prefix = negative ? "负" : "";
  const std::string suffix = fraction.empty() ? "" : "点" + DigitByDigit(fraction);
  for (auto& form : forms) form = prefix + form + suffix;
  return forms;
}

std::vector<speech::PhraseEntry> NumberPhraseEntries(const std::vector<std::string>& texts) {
  std::vector<speech::PhraseEntry> entries;
  entries.reserve(texts.size());
  for (const auto& text : texts) entries.push_back({text, ChineseReadings(text)});
  return entries;
}

}  // namespace voz::core
