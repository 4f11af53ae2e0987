#include "platform/ini/IniValues.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace voz::ini {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// For a number out of a double's range: true when it is too close to 0
// rather than too large, judged by the position of its first non-zero digit.
bool IsTiny(std::string_view number) {
  const size_t e = number.find_first_of("eE");
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    const bool minus = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    if (minus) exponent = -exponent;
    number = number.substr(0, e);
  }
  long position = 0;  // power of ten of the first non-zero digit
  const size_t point = std::min(number.find('.'), number.size());
  const size_t first = number.find_first_of("123456789");
  if (first == std::string_view::npos) return true;
  position = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  return position + exponent < 0;
}

}  // namespace

bool IsIniOn(std::string_view text) { return text == kIniOn; }

std::string_view IniFlagText(bool on) { return on ? kIniOn : kIniOff; }

double IniTextToNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t start = i;
  size_t end = SkipDigits(text, i);
  bool digits = end > start;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction = SkipDigits(text, end + 1);
    digits = digits || fraction > end + 1;
    end = fraction;
  }
  if (!digits) return 0.0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  double value = 0.0;
  const auto [ptr, error] = std::from_chars(text.data() + start, text.data() + end, value);
  if (error == std::errc::result_out_of_range) {
    value = IsTiny(text.substr(start, end - start)) ? 0.0 : std::numeric_limits<double>::max();
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace voz::ini
