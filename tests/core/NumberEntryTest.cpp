#include "vozmara/core/NumberEntry.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"
#include "platform/ini/IniValues.h"
#include "platform/ui/FakeControls.h"
#include "recordstore/RecordStore.h"
#include "speech/Phrases.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/core/ChineseNumbers.h"
#include "vozmara/core/IniSettings.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/RangeWindow.h"

namespace voz::core {
namespace {

using Numbers = std::vector<std::string>;
namespace lib = library::testing;

NumberRange Range(const char* start, const char* end, const char* step) {
  return {ini::IniTextToNumber(start), ini::IniTextToNumber(end), ini::IniTextToNumber(step)};
}

struct BuildCase {
  const char *start, *end, *step;
  Numbers numbers;
};

// Texts as "参数.ini" holds them, hand-edited ones included.
const BuildCase kBuilds[] = {
    {"1", "10", "1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    {"0", "1", "0.25", {"0", "0.25", "0.5", "0.75", "1"}},
    // The tenth step lands a hair below 1 and still counts as 1.
    {"0", "1", "0.1", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
    {"0", "0.3", "0.1", {"0", "0.1", "0.2", "0.3"}},
    {"0.5", "3", "1", {"0.5", "1.5", "2.5"}},
    {"1", "2", "0.5", {"1", "1.5", "2"}},
    {"-3", "-1", "1", {"-3", "-2", "-1"}},
    {"-0.3", "0.1", "0.1", {"-0.3", "-0.2", "-0.1", "0", "0.1"}},
    {"-0.9", "0.3", "0.3", {"-0.9", "-0.6", "-0.3", "0", "0.3"}},  // a hair below 0: never "-0"
    {"1e-3", "0.003", "0.001", {"0.001", "0.002", "0.003"}},
    {"1", "1.00000005", "1", {"1"}},
    {"5", "1", "1", {"5"}},
    {"5", "1", "0", {"5"}},
    // Ranges the range window refuses give the single number start.
    {"1", "3", "0", {"1"}},
    {"1", "3", "-1", {"1"}},
    {"1", "3", "0.00000005", {"1"}},
    {"", "", "", {"0"}},
    {"1", "10", "abc", {"1"}},
    {"1", "10001", "1", {"1"}},
    {"-1e20", "1e20", "1", {"-100000000000000000000"}},
    {"0", "1e308", "1e300", {"0"}},
};

TEST(NumberEntryTest, BuildsTheNumbersOfARange) {
  for (const auto& c : kBuilds) {
    EXPECT_EQ(BuildNumbers(Range(c.start, c.end, c.step)), c.numbers)
        << "start " << c.start << " end " << c.end << " step " << c.step;
  }
}

TEST(NumberEntryTest, TheLimitIsTenThousandNumbers) {
  EXPECT_EQ(CheckRange(Range("1", "10000", "1")), RangeCheck::Usable);
  EXPECT_EQ(CheckRange(Range("1", "10001", "1")), RangeCheck::TooManyNumbers);
  EXPECT_EQ(CheckRange(Range("3", "3", "0")), RangeCheck::StepNotPositive);
  EXPECT_EQ(CheckRange(Range("3", "2", "0")), RangeCheck::Usable);

  const Numbers full = BuildNumbers(Range("0.5", "5000.2", "0.5"));
  ASSERT_EQ(full.size(), kMaxNumbers);
  EXPECT_EQ(full[1998], "999.5");
  EXPECT_EQ(full.back(), "5000");
}

struct Messages final : Dialogs {
  std::vector<std::string> texts;
  void Message(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
  void OpenEngineDownload(bool) override {}
};

// Plays the user in 设置范围 through the window's own handlers: types the
// three texts (when given), then presses 确定 or closes the title bar.
struct ScriptedRangeDialog final : RangeDialog {
  Settings& settings;
  Dialogs& dialogs;
  std::optional<std::array<std::string, 3>> typed;
  bool pressOk = true;
  int runs = 0;
  ScriptedRangeDialog(Settings& s, Dialogs& d) : settings(s), dialogs(d) {}
  bool Run() override {
    ++runs;
    ui::FakeControls window(range::RangeWindowDesign());
    range::RangeWindowCreated(window, settings);
    if (typed) {
      window.SetText(range::编辑框1, (*typed)[0]);
      window.SetText(range::编辑框2, (*typed)[1]);
      window.SetText(range::编辑框3, (*typed)[2]);
    }
    return pressOk && range::RangeOkClicked(window, settings, dialogs);
  }
};

class NumberEntryModeTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWith(lib::BuiltinOnlyLibrary(43)); }

  void StartWith(const recordstore::Table& table) {
    lib::WriteLibrary(fs, table);
    library.Open(lib::kProgramDirectory);
    window.ClearList(CommandListBox);
    for (const auto& row : library.Phrases().rows) window.AddListItem(CommandListBox, row);
  }
  void Click(bool checked) {
    window.SetChecked(专录数字选择框, checked);
    NumberEntryClicked(window, library, settings, dialog, state);
  }
  Numbers Rows() const {
    Numbers rows;
    for (int r = 0; r < window.ListCount(CommandListBox); ++r) rows.push_back(window.ListItem(CommandListBox, r));
    return rows;
  }
  void StoreRange(const char* start, const char* end, const char* step) {
    settings.Write(kRangeSection, kRangeStartKey, start);
    settings.Write(kRangeSection, kRangeEndKey, end);
    settings.Write(kRangeSection, kRangeStepKey, step);
  }

  files::MemoryFileSystem fs;
  recordstore::RecordStore store{fs};
  library::CommandLibrary library{store};
  ui::FakeControls window{MainWindowDesign()};
  ini::IniFiles iniFiles{fs, ini::IniFiles::Options{std::chrono::steady_clock::duration::zero(), {}}};
  IniSettings settings{iniFiles, lib::kProgramDirectory + "\\参数.ini"};
  Messages messages;
  ScriptedRangeDialog dialog{settings, messages};
  NumberEntryState state;
};

TEST_F(NumberEntryModeTest, OnTypesTheRangeThenOffRestoresTheLibrary) {
  const Numbers commandRows = Rows();
  dialog.typed = {{"10", "1", "1"}};  // entered backwards
  Click(true);

  EXPECT_EQ(dialog.runs, 1);
  EXPECT_EQ(settings.Read(kRangeSection, kRangeStartKey), "1");
  EXPECT_EQ(settings.Read(kRangeSection, kRangeEndKey), "10");
  const Numbers numbers = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  EXPECT_EQ(Rows(), numbers);
  EXPECT_EQ(library.Phrases().entries, numbers);
  EXPECT_FALSE(library.IsOpen());
  EXPECT_TRUE(state.on);
  EXPECT_EQ(state.pausePhrase, "命令6");
  EXPECT_EQ(state.resumePhrase, "命令7");

  // The recognizer hears every number by its readings, and pause and resume
  // by the library's phrases: "six" types 6 instead of pausing.
  const auto heard = RecognizerPhrases(library.Phrases(), state);
  ASSERT_EQ(heard.size(), numbers.size() + 2);
  EXPECT_EQ(heard[5].text, "6");
  EXPECT_EQ(heard[5].spokenForms, ChineseReadings("6"));
  EXPECT_EQ(speech::ResolveUtterance(heard, "六"), "6");
  EXPECT_EQ(speech::ResolveUtterance(heard, "命令6"), "命令6");
  EXPECT_EQ(speech::ResolveUtterance(heard, "命令7"), "命令7");

  Click(false);
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_EQ(Rows(), commandRows);
  EXPECT_TRUE(library.IsOpen());
  EXPECT_FALSE(state.on);
  EXPECT_TRUE(state.pausePhrase.empty());
  const auto commands = RecognizerPhrases(library.Phrases(), state);
  ASSERT_EQ(commands.size(), 43u);
  EXPECT_EQ(commands[5].text, "命令6");
  EXPECT_TRUE(commands[5].spokenForms.empty());
}

TEST_F(NumberEntryModeTest, ClosingTheRangeWindowKeepsTheStoredRange) {
  StoreRange("0", "1", "0.25");
  dialog.typed = {{"1", "100", "1"}};
  dialog.pressOk = false;
  Click(true);
  EXPECT_EQ(Rows(), (Numbers{"0", "0.25", "0.5", "0.75", "1"}));
  EXPECT_EQ(settings.Read(kRangeSection, kRangeEndKey), "1");
}

// A settings file edited by hand may hold a range the window would refuse.
TEST_F(NumberEntryModeTest, AnUnusableStoredRangeGivesTheSingleStart) {
  StoreRange("3", "100000", "0");
  dialog.pressOk = false;
  Click(true);
  EXPECT_EQ(Rows(), Numbers{"3"});
}

TEST_F(NumberEntryModeTest, AShortLibraryHasNoPauseOrResumePhrase) {
  StartWith(lib::BuiltinOnlyLibrary(6));
  StoreRange("1", "2", "1");
  dialog.pressOk = false;
  Click(true);
  EXPECT_EQ(state.pausePhrase, "命令6");
  EXPECT_EQ(state.resumePhrase, "");
  const auto heard = RecognizerPhrases(library.Phrases(), state);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard.back().text, "命令6");
}

}  // namespace
}  // namespace voz::core
