#include "vozmara/core/NumberEntry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "platform/ini/IniValues.h"
#include "vozmara/core/ChineseNumbers.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/RangeWindow.h"
#include "vozmara/library/BuiltinCommand.h"

namespace voz::core {

namespace {

// Room for the longest fixed-point double (309 integer digits) and its fraction.
using NumberBuffer = std::array<char, 400>;

int FractionDigitsOf(double value) {
  if (!std::isfinite(value)) return 0;
  NumberBuffer buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (ec != std::errc()) return kMaxFractionDigits;
  const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return 0;
  return std::min(static_cast<int>(text.size() - point - 1), kMaxFractionDigits);
}

// The k-th number of the range. Multiplying rather than adding step after
// step keeps the rounding error of the ten-thousandth number as small as
// that of the first.
double NumberAt(const NumberRange& range, std::size_t k) { return range.start + static_cast<double>(k) * range.step; }

// Written so that a NaN ends the list too.
bool WithinEnd(const NumberRange& range, double x) { return x - range.end <= kNumberTolerance; }

std::string EntryOrEmpty(const library::PhraseList& phrases, library::BuiltinCommand command) {
  const auto index = static_cast<std::size_t>(command) - 1;
  return index < phrases.entries.size() ? phrases.entries[index] : std::string();
}

}  // namespace

NumberRange ReadNumberRange(Settings& settings) {
  return {ini::IniTextToNumber(settings.Read(kRangeSection, kRangeStartKey)),
          ini::IniTextToNumber(settings.Read(kRangeSection, kRangeEndKey)),
          ini::IniTextToNumber(settings.Read(kRangeSection, kRangeStepKey))};
}

RangeCheck CheckRange(const NumberRange& range) {
  if (range.start - range.end > kNumberTolerance) return RangeCheck::Usable;  // the single number start
  if (!(range.step > kNumberTolerance)) return RangeCheck::StepNotPositive;
  // Counting costs at most kMaxNumbers steps, however far away the end is.
  for (std::size_t k = 1; WithinEnd(range, NumberAt(range, k)); ++k) {
    if (k + 1 > kMaxNumbers) return RangeCheck::TooManyNumbers;
  }
  return RangeCheck::Usable;
}

int FractionDigits(const NumberRange& range) {
  return std::max(FractionDigitsOf(range.start), FractionDigitsOf(range.step));
}

std::string DecimalText(double value, int digits) {
  NumberBuffer buffer;
  digits = std::clamp(digits, 0, kMaxFractionDigits);
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, digits);
  if (ec != std::errc()) return std::string();
  std::string text(buffer.data(), end);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::vector<std::string> BuildNumbers(const NumberRange& range) {
  std::vector<std::string> numbers;
  if (!std::isfinite(range.start)) return numbers;
  const int digits = FractionDigits(range);
  numbers.push_back(DecimalText(range.start, digits));
  if (CheckRange(range) != RangeCheck::Usable) return numbers;
  for (std::size_t k = 1; WithinEnd(range, NumberAt(range, k)); ++k) {
    numbers.push_back(DecimalText(NumberAt(range, k), digits));
  }
  return numbers;
}

void NumberEntryClicked(ui::Controls& mainWindow, library::CommandLibrary& library, Settings& settings,
                        RangeDialog& rangeDialog, NumberEntryState& state) {
  const bool on = mainWindow.Checked(专录数字选择框);
  // The pause and resume phrases must be taken before the list turns into numbers.
  if (on && !state.on) {
    state.pausePhrase = EntryOrEmpty(library.Phrases(), library::BuiltinCommand::PauseControl);
    state.resumePhrase = EntryOrEmpty(library.Phrases(), library::BuiltinCommand::ResumeControl);
  }
  library.SwitchNumberEntry(on);
  mainWindow.ClearList(CommandListBox);

  if (!on) {
    state = NumberEntryState{};
    for (const auto& row : library.Phrases().rows) mainWindow.AddListItem(CommandListBox, row);
    return;
  }
  // On before the range window runs: phrases arriving meanwhile find an
  // empty number list, and pause and resume already use the remembered phrases.
  state.on = true;
  rangeDialog.Run();
  for (auto& number : BuildNumbers(ReadNumberRange(settings))) {
    mainWindow.AddListItem(CommandListBox, number);
    library.Phrases().AppendNumber(std::move(number));
  }
}

std::vector<speech::PhraseEntry> RecognizerPhrases(const library::PhraseList& phrases,
                                                   const NumberEntryState& state) {
  if (!state.on) return speech::PhrasesFromTexts(phrases.entries);
  std::vector<speech::PhraseEntry> entries = NumberPhraseEntries(phrases.entries);
  for (const std::string* phrase : {&state.pausePhrase, &state.resumePhrase}) {
    if (!phrase->empty()) entries.push_back({*phrase, {}});
  }
  return entries;
}

}  // namespace voz::core
