#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tests/library/LibraryFixture.h"
#include "vozmara/library/CommandFields.h"
#include "vozmara/library/CommandLibrary.h"
#include "vozmara/library/CommandType.h"

namespace voz::library {
namespace {

using namespace voz::library::testing;
using recordstore::FieldKind;
using ::testing::ElementsAre;

class CommandLibraryTest : public ::testing::Test {
 protected:
  files::MemoryFileSystem fs;
  recordstore::RecordStore store{fs};
  CommandLibrary library{store};
};

TEST(CommandLibraryPath, JoinsTheProgramDirectoryWithABackslash) {
  EXPECT_EQ(CommandLibraryPath("C:\\Program Files\\Vozmara"),
            "C:\\Program Files\\Vozmara\\命令库.edb");
}

TEST(RemoveSpaces, DropsOnlyThePlainSpace) {
  EXPECT_EQ(RemoveSpaces(" 打开 记事本  "), "打开记事本");
  EXPECT_EQ(RemoveSpaces("open  note pad"), "opennotepad");
  // Full-width space and tab are characters of the phrase, not separators.
  EXPECT_EQ(RemoveSpaces("打开\u3000记事本\t"), "打开\u3000记事本\t");
  EXPECT_EQ(RemoveSpaces("   "), "");
}

TEST_F(CommandLibraryTest, BuildsOneEntryAndOneBracketedRowPerRecordInRecordOrder) {
  WriteLibrary(fs, Library({Row(5, "显示 命令 列表"), Row(0, "打开记事本", "notepad.exe"),
                            Row(3, " 复 制 ", "", 0, 0, 0, 0x11, 0x43, -1), Row(4, "")}));
  library.Open(kProgramDirectory);
  EXPECT_THAT(library.Phrases().entries, ElementsAre("显示命令列表", "打开记事本", "复制", ""));
  EXPECT_THAT(library.Phrases().rows,
              ElementsAre("[显示命令列表]", "[打开记事本]", "[复制]", "[]"));
  EXPECT_TRUE(library.IsOpen());
  EXPECT_EQ(library.Path(), LibraryFile());
}

TEST_F(CommandLibraryTest, FortyThreeBuiltInsGiveFortyThreeRowsEachForItsRecord) {
  WriteLibrary(fs, BuiltinOnlyLibrary(43));
  library.Open(kProgramDirectory);
  ASSERT_EQ(library.Phrases().Size(), 43u);
  ASSERT_EQ(library.Phrases().rows.size(), 43u);
  for (int i = 1; i <= 43; ++i) {
    EXPECT_EQ(library.Phrases().FindRecord("命令" + std::to_string(i)), i);
    EXPECT_EQ(library.Phrases().rows[static_cast<size_t>(i) - 1], "[命令" + std::to_string(i) + "]");
  }
  // The first user command becomes record 44 and is listed at the next build.
  ASSERT_TRUE(store.Add({std::int64_t{0}, std::string("打开画图"), std::string("mspaint.exe"),
                         std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                         std::nullopt}));
  EXPECT_EQ(store.CurrentNumber(), 44);
  EXPECT_EQ(library.Phrases().Size(), 43u) << "the editor's changes do not touch the list";
  library.SwitchNumberEntry(true);
  library.SwitchNumberEntry(false);
  EXPECT_EQ(library.Phrases().FindRecord("打开画图"), 44);
}

TEST_F(CommandLibraryTest, RepeatedPhrasesAndPhrasesDifferingInSpacesSelectTheLowestRecord) {
  WriteLibrary(fs, Library({Row(5, "暂停"), Row(0, "打开 记事本", "a.exe"),
                            Row(0, "打开记事本", "b.exe"), Row(1, "打开记事本", "c"),
                            Row(4, "Hello", "x")}));
  library.Open(kProgramDirectory);
  EXPECT_EQ(library.Phrases().FindRecord("打开记事本"), 2);
  EXPECT_EQ(library.Phrases().FindRecord("打开 记事本"), std::nullopt)
      << "the recognizer delivers phrases as listed, without spaces";
  // Exact bytes: no case folding, no trimming.
  EXPECT_EQ(library.Phrases().FindRecord("Hello"), 5);
  EXPECT_EQ(library.Phrases().FindRecord("hello"), std::nullopt);
  EXPECT_EQ(library.Phrases().FindRecord("Hello "), std::nullopt);
  EXPECT_EQ(library.Phrases().FindRecord(""), std::nullopt);

  EXPECT_TRUE(library.Phrases().EntryEquals(1, "暂停"));
  EXPECT_FALSE(library.Phrases().EntryEquals(0, "暂停"));
  EXPECT_FALSE(library.Phrases().EntryEquals(6, "暂停")) << "positions beyond the list never match";
  EXPECT_FALSE(library.Phrases().EntryEquals(43, ""));
}

TEST_F(CommandLibraryTest, NumberEntryEmptiesAndClosesThenLeavingItReopensAndRebuilds) {
  WriteLibrary(fs, Library({Row(5, "一"), Row(5, "二"), Row(5, "三")}));
  library.Open(kProgramDirectory);
  ASSERT_EQ(library.Phrases().Size(), 3u);

  library.SwitchNumberEntry(true);
  EXPECT_EQ(library.Phrases().Size(), 0u);
  EXPECT_TRUE(library.Phrases().rows.empty());
  EXPECT_FALSE(library.IsOpen());
  EXPECT_EQ(library.RecordCount(), 0);
  EXPECT_EQ(library.ReadRecord(1), std::nullopt);
  // Number-entry mode fills the list with numbers, rows without brackets.
  library.Phrases().AppendNumber("1");
  library.Phrases().AppendNumber("2");
  EXPECT_THAT(library.Phrases().rows, ElementsAre("1", "2"));

  // The file may have changed meanwhile; leaving the mode reads it afresh.
  WriteLibrary(fs, Library({Row(5, "甲"), Row(5, "乙 丙")}));
  library.SwitchNumberEntry(false);
  EXPECT_TRUE(library.IsOpen());
  EXPECT_THAT(library.Phrases().entries, ElementsAre("甲", "乙丙"));
  EXPECT_THAT(library.Phrases().rows, ElementsAre("[甲]", "[乙丙]"));
}

TEST_F(CommandLibraryTest, ReadsEveryFieldOfARecordAfterGoingToIt) {
  WriteLibrary(fs, Library({Row(5, "显示命令列表", "说明"),
                            Row(2, "点击 左上角", "", 100, 200, 3, 7, 8, 9),
                            Row(3, "复制", "", 0, 0, 0, 0x11, 0x43, -1)}));
  library.Open(kProgramDirectory);

  const auto mouse = library.ReadRecord(2);
  ASSERT_TRUE(mouse.has_value());
  EXPECT_EQ(*mouse, (CommandRecord{2, "点击 左上角", "", 100, 200, 3, 7, 8, 9}));
  EXPECT_EQ(store.CurrentNumber(), 2) << "reading moves the shared current record";

  ASSERT_TRUE(library.GoTo(3));
  const CommandRecord keys = library.ReadCurrent();
  EXPECT_EQ(keys.type, static_cast<std::int32_t>(CommandType::KeyPress));
  EXPECT_EQ(keys.firstKey, 0x11);
  EXPECT_EQ(keys.secondKey, 0x43);
  EXPECT_EQ(keys.thirdKey, NoKey);
  EXPECT_EQ(library.ReadText(field::语音命令), "复制");
  EXPECT_EQ(library.ReadNumber(field::第三键), -1);

  EXPECT_EQ(library.ReadRecord(0), std::nullopt);
  EXPECT_EQ(library.ReadRecord(4), std::nullopt);
  EXPECT_EQ(library.ReadCurrent(), CommandRecord{}) << "no record current: zeros and empty text";
}

// Every numeric width the file may use reads as the same 32-bit integers;
// floats truncate toward zero.
TEST_F(CommandLibraryTest, NumbersOfEveryStoredWidthReadAsIntegers) {
  struct Case {
    FieldKind kind;
    recordstore::Cell x, y, second;
    std::int32_t expectX, expectY;
  };
  const Case cases[] = {
      {FieldKind::Int8, std::int64_t{100}, std::int64_t{-7}, std::int64_t{-1}, 100, -7},
      {FieldKind::Int16, std::int64_t{1024}, std::int64_t{-768}, std::int64_t{-1}, 1024, -768},
      {FieldKind::Int32, std::int64_t{1920}, std::int64_t{-1080}, std::int64_t{-1}, 1920, -1080},
      {FieldKind::Int64, std::int64_t{2560}, std::int64_t{-1440}, std::int64_t{-1}, 2560, -1440},
      {FieldKind::Float32, static_cast<double>(100.9f), -7.5, -1.0, 100, -7},
      {FieldKind::Float64, 100.9, -20.99, -1.0, 100, -20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    recordstore::Table table;
    for (recordstore::FieldDef def : CommandLibrarySchema()) {
      if (def.kind != FieldKind::Text) def.kind = c.kind;
      table.fields.push_back(def);
    }
    const bool isFloat = c.kind == FieldKind::Float32 || c.kind == FieldKind::Float64;
    const auto num = [&](std::int64_t v) -> recordstore::Cell {
      if (isFloat) return static_cast<double>(v);
      return v;
    };
    table.records.push_back({num(2), std::string("点击"), std::string(), c.x, c.y, num(1),
                             num(0x11), c.second, num(0x43)});
    WriteLibrary(fs, table);
    library.Open(kProgramDirectory);
    const auto record = library.ReadRecord(1);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->type, 2);
    EXPECT_EQ(record->x, c.expectX);
    EXPECT_EQ(record->y, c.expectY);
    EXPECT_EQ(record->clickKind, 1);
    EXPECT_EQ(record->firstKey, 0x11);
    EXPECT_EQ(record->secondKey, NoKey);
    EXPECT_EQ(record->thirdKey, 0x43);
  }
}

TEST_F(CommandLibraryTest, AMissingOrBrokenLibraryGivesEmptyListsAndIsLeftAlone) {
  const std::string valid = recordstore::SerializeTable(BuiltinOnlyLibrary(5));
  struct Case {
    const char* name;
    std::optional<std::string> bytes;
  };
  const Case cases[] = {
      {"missing", std::nullopt},
      {"empty file", std::string()},
      {"not a library", std::string("这不是命令库 at all\n")},
      {"cut short", valid.substr(0, valid.size() / 2)},
      {"one byte short", valid.substr(0, valid.size() - 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs.files.clear();
    if (c.bytes) fs.files[LibraryFile()] = *c.bytes;
    library.Open(kProgramDirectory);
    EXPECT_EQ(library.Phrases().Size(), 0u);
    EXPECT_TRUE(library.Phrases().rows.empty());
    EXPECT_EQ(library.Phrases().FindRecord("命令1"), std::nullopt);
    EXPECT_EQ(library.ReadRecord(1), std::nullopt);
    EXPECT_EQ(library.ReadCurrent(), CommandRecord{});
    // Leaving number-entry mode with the same file behaves alike.
    library.SwitchNumberEntry(true);
    library.SwitchNumberEntry(false);
    EXPECT_EQ(library.Phrases().Size(), 0u);
    if (c.bytes) {
      EXPECT_EQ(fs.files.at(LibraryFile()), *c.bytes) << "a broken library is never rewritten";
    } else {
      EXPECT_FALSE(fs.Exists(LibraryFile())) << "the program never creates the library";
    }
  }
}

// A library that lacks fields still lists what it has: absent fields read as
// 0 or empty text.
TEST_F(CommandLibraryTest, AForeignSchemaReadsWhatItHas) {
  recordstore::Table table;
  table.fields = {{"语音命令", FieldKind::Text}, {"第一键", FieldKind::Int32}};
  table.records = {{std::string("回 车"), std::int64_t{0x0D}}};
  WriteLibrary(fs, table);
  library.Open(kProgramDirectory);
  EXPECT_THAT(library.Phrases().entries, ElementsAre("回车"));
  const auto record = library.ReadRecord(1);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(*record, (CommandRecord{0, "回 车", "", 0, 0, 0, 0x0D, 0, 0}));
}

}  // namespace
}  // namespace voz::library
