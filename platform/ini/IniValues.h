// What the programs make of the texts they read from INI files.
#pragma once

#include <string_view>

namespace voz::ini {

// On/off settings are stored as these texts; anything other than kIniOn
// (an empty or missing value included) is off.
inline constexpr std::string_view kIniOn = "真";
inline constexpr std::string_view kIniOff = "假";
bool IsIniOn(std::string_view text);
std::string_view IniFlagText(bool on);

// Numbers are read as floating-point values from the number at the start of
// the text: optional blanks, an optional sign, decimal digits with an
// optional fraction and exponent ("12.5", "-3", "102abc" -> 102, "1e3" ->
// 1000). A text that does not start with a number, an empty text (a missing
// key) included, reads as 0; so do hexadecimal, "inf" and full-width digits.
// Beyond the range of a double the value is the largest one of that sign.
double IniTextToNumber(std::string_view text);

// Truncates toward zero, as the programs turn numbers into integers; values
// beyond int saturate and NaN gives 0, so no conversion is undefined.
int TruncateToInt(double value);

}  // namespace voz::ini
