#include "vozmara/core/RangeWindow.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"
#include "platform/ui/FakeControls.h"
#include "vozmara/core/IniSettings.h"
#include "vozmara/core/NumberEntry.h"

namespace voz::core::range {
namespace {

struct Messages final : Dialogs {
  std::vector<std::string> texts;
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    EXPECT_EQ(title, kMessageTitle);
    EXPECT_EQ(icon, MessageIcon::Information);
    texts.push_back(text);
  }
  void OpenEngineDownload(bool) override {}
};

class RangeWindowTest : public ::testing::Test {
 protected:
  std::string Stored(const char* key) { return settings.Read(kRangeSection, key); }
  void Store(const char* start, const char* end, const char* step) {
    settings.Write(kRangeSection, kRangeStartKey, start);
    settings.Write(kRangeSection, kRangeEndKey, end);
    settings.Write(kRangeSection, kRangeStepKey, step);
  }
  void Type(const std::string& start, const std::string& end, const std::string& step) {
    window.SetText(编辑框1, start);
    window.SetText(编辑框2, end);
    window.SetText(编辑框3, step);
  }

  files::MemoryFileSystem fs;
  ini::IniFiles iniFiles{fs, ini::IniFiles::Options{std::chrono::steady_clock::duration::zero(), {}}};
  IniSettings settings{iniFiles, "C:\\Vozmara\\参数.ini"};
  ui::FakeControls window{RangeWindowDesign()};
  Messages messages;
};

TEST_F(RangeWindowTest, OpensWithTheStoredTextsAsTheyStand) {
  Store("1.50", "abc", "");
  RangeWindowCreated(window, settings);
  EXPECT_EQ(window.Text(0), "设置范围");
  EXPECT_EQ(window.Text(编辑框1), "1.50");
  EXPECT_EQ(window.Text(编辑框2), "abc");
  EXPECT_EQ(window.Text(编辑框3), "");
}

struct OkCase {
  const char *start, *end, *step;
  const char *boxStart, *boxEnd;  // the boxes afterwards
  const char* message;            // nullptr: accepted, the three texts written and the window closes
};

const OkCase kOk[] = {
    {"1", "10", "1", "1", "10", nullptr},
    {"10", "1", "1", "1", "10", nullptr},
    {"0.5", "-2", "0.5", "-2", "0.5", nullptr},
    {"abc", "5", "1", "abc", "5", nullptr},                     // not a number: 0
    {"1.00000005", "1", "1", "1.00000005", "1", nullptr},       // equal within 1e-7: no exchange
    {"1", "10000", "1", "1", "10000", nullptr},
    {"1", "10", "0", "1", "10", kStepNotPositiveText},
    {"10", "1", "-1", "1", "10", kStepNotPositiveText},
    {"1.00000005", "1", "0", "1.00000005", "1", kStepNotPositiveText},
    {"", "", "", "", "", kStepNotPositiveText},
    {"1", "10", "0.00000005", "1", "10", kStepNotPositiveText},
    {"1", "10001", "1", "1", "10001", kTooManyNumbersText},
    {"0", "1", "0.0001", "0", "1", kTooManyNumbersText},
};

TEST_F(RangeWindowTest, OkOrdersChecksAndWrites) {
  for (const auto& c : kOk) {
    SCOPED_TRACE(std::string(c.start) + " " + c.end + " " + c.step);
    Store("7", "8", "9");
    messages.texts.clear();
    Type(c.start, c.end, c.step);
    const bool closes = RangeOkClicked(window, settings, messages);
    EXPECT_EQ(window.Text(编辑框1), c.boxStart);
    EXPECT_EQ(window.Text(编辑框2), c.boxEnd);
    if (c.message) {
      EXPECT_FALSE(closes);
      EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
      EXPECT_EQ(Stored(kRangeStartKey) + Stored(kRangeEndKey) + Stored(kRangeStepKey), "789");
    } else {
      EXPECT_TRUE(closes);
      EXPECT_TRUE(messages.texts.empty());
      EXPECT_EQ(Stored(kRangeStartKey), c.boxStart);
      EXPECT_EQ(Stored(kRangeEndKey), c.boxEnd);
      EXPECT_EQ(Stored(kRangeStepKey), c.step);
    }
  }
}

TEST_F(RangeWindowTest, AFileThatCannotBeWrittenIsReported) {
  Store("7", "8", "9");
  fs.readOnly.insert(settings.Path());
  Type("1", "10", "1");
  EXPECT_TRUE(RangeOkClicked(window, settings, messages));
  EXPECT_EQ(messages.texts, std::vector<std::string>{kNotSavedText});
  EXPECT_EQ(Stored(kRangeStartKey) + Stored(kRangeEndKey) + Stored(kRangeStepKey), "789");
}

}  // namespace
}  // namespace voz::core::range
