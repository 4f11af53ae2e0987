// How people say a number in Chinese, so that the recognizer can listen for
// the numbers of number-entry mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "speech/SpeechRecognizer.h"

namespace voz::core {

// The readings of a decimal text "-?digits(.digits)?", canonical first:
//   - integers by four-digit groups with 万, 亿 and 万亿 ("一万零一十",
//     "十万零一百", "一亿零一"), 十 alone only at the very start;
//   - fractions after 点 digit by digit, trailing zeros read ("一点五零");
//   - 负 before a negative number;
//   - then 两 for a 2 that carries 百 or 千, or that alone makes a group
//     before 万, 亿 or 万亿 ("两百", "一千两百", "两万"; never "两十", "十两",
//     "两点五" or a bare "两"); every mix when there are up to three such 2s,
//     otherwise all 二 and all 两;
//   - then, for an integer that ends in a digit with 十, 百 or 千 straight
//     after the next higher unit, the colloquial form without that last unit
//     ("一百五" for 150, "一千二" for 1200, "两万五" for 25000).
// An integer part with a leading zero ("007") or of more than sixteen digits
// is read digit by digit. Empty when the text is not such a number.
std::vector<std::string> ChineseReadings(std::string_view decimalText);

// One recognizer entry per text: the text is what the recognised event
// delivers, its readings what the user says. Each reading is one plain
// lexical word, the way the library's phrases reach the recognizer.
std::vector<speech::PhraseEntry> NumberPhraseEntries(const std::vector<std::string>& texts);

}  // namespace voz::core
