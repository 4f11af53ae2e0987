// Number-entry mode: the range kept in "参数.ini", the list of numbers it
// gives as decimal texts, switching the mode on and off from the check box
// 专录数字选择框, and what the recognizer listens for in either mode.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "speech/SpeechRecognizer.h"
#include "vozmara/core/Platform.h"
#include "vozmara/core/ProgramState.h"
#include "vozmara/library/CommandLibrary.h"

namespace voz::core {

class RangeDialog;

inline constexpr const char* kRangeSection = "数字范围";
inline constexpr const char* kRangeStartKey = "起点";
inline constexpr const char* kRangeEndKey = "终点";
inline constexpr const char* kRangeStepKey = "递增";

// Numbers compare with this tolerance: "greater" means greater by more.
inline constexpr double kNumberTolerance = 1e-7;
// The most numbers one range may give: it bounds the list box, the phrase
// list and the recognizer's grammar (a few readings per number).
inline constexpr std::size_t kMaxNumbers = 10000;
// Fractions are written with at most this many digits.
inline constexpr int kMaxFractionDigits = 10;

struct NumberRange {
  double start = 0, end = 0, step = 0;
};

// The range as stored; texts that are not numbers (and missing keys) are 0.
NumberRange ReadNumberRange(Settings& settings);

enum class RangeCheck {
  Usable,
  StepNotPositive,  // the step is not above 0 while the start is not above the end
  TooManyNumbers,   // more than kMaxNumbers
};

// Whether the range gives a list. A start above the end is usable: it gives
// the single number start.
RangeCheck CheckRange(const NumberRange& range);

// start, start + step, ... while the number exceeds the end by no more than
// kNumberTolerance; the first is always there. A range CheckRange refuses
// (a hand-edited settings file can hold one) gives the single number start,
// so the list never loops or grows past kMaxNumbers. Empty only when start
// is not a finite number.
std::vector<std::string> BuildNumbers(const NumberRange& range);

// The fraction digits the numbers of a range need: those of start and step
// in their shortest exact form, at most kMaxFractionDigits.
int FractionDigits(const NumberRange& range);

// A number rounded to `digits` fraction digits, then written without
// trailing fraction zeros or point: 2 -> "2", 0.30000000000000004 -> "0.3"
// (1 digit), -2e-17 -> "0", never "-0".
std::string DecimalText(double value, int digits);

// 专录数字选择框 was clicked (it is already toggled): empties the phrase
// list and CommandListBox and closes the library. Checked: remembers the
// library's pause and resume phrases (entries 6 and 7) in `state`, runs the
// range window, then fills the list and the rows with the range's numbers.
// Unchecked: reopens the library and refills the rows from it.
void NumberEntryClicked(ui::Controls& mainWindow, library::CommandLibrary& library, Settings& settings,
                        RangeDialog& rangeDialog, NumberEntryState& state);

// What the recognizer should listen for: in number-entry mode every number
// with its Chinese readings and the remembered pause and resume phrases
// (after the numbers, so a number that sounds alike wins); otherwise the
// phrase list's entries as they are.
std::vector<speech::PhraseEntry> RecognizerPhrases(const library::PhraseList& phrases,
                                                   const NumberEntryState& state);

}  // namespace voz::core
