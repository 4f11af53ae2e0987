// The command library that ships with the program: loaded from its text
// source with the same loader the build uses, and checked for what the
// program relies on.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tests/library/LibraryFixture.h"
#include "tools/vozctl/Commands.h"
#include "vozmara/library/CommandFields.h"
#include "vozmara/library/CommandLibrary.h"
#include "vozmara/library/CommandType.h"
#include "vozmara/library/KeyNameList.h"

namespace voz::library {
namespace {

using namespace voz::library::testing;

bool IsListedKey(std::int32_t code) { return KeyIndexOfCode(code).has_value(); }

class ShippedLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto text = files::RealFileSystem().ReadAll(VOZ_SHIPPED_LIBRARY_TEXT);
    ASSERT_TRUE(text.has_value()) << "cannot read " << VOZ_SHIPPED_LIBRARY_TEXT;
    fs.files["C:\\source\\command-library.txt"] = *text;
    std::ostringstream out, err;
    ASSERT_EQ(vozctl::RunVozctl({"edb", "load", "C:\\source\\command-library.txt", LibraryFile()},
                                fs, out, err),
              vozctl::kExitOk)
        << err.str();
    library.Open(kProgramDirectory);
  }

  files::MemoryFileSystem fs;
  recordstore::RecordStore store{fs};
  CommandLibrary library{store};
};

TEST_F(ShippedLibraryTest, HoldsTheBuiltInsThenEverydayCommands) {
  EXPECT_EQ(store.Fields(), CommandLibrarySchema());
  ASSERT_EQ(library.RecordCount(), 99);
  ASSERT_EQ(library.Phrases().Size(), 99u);

  std::set<std::int32_t> typesSeen;
  for (int i = 1; i <= 99; ++i) {
    const auto record = library.ReadRecord(i);
    ASSERT_TRUE(record.has_value()) << i;
    SCOPED_TRACE("record " + std::to_string(i) + " " + record->phrase);
    EXPECT_FALSE(RemoveSpaces(record->phrase).empty());
    if (i <= 43) {
      EXPECT_EQ(record->type, static_cast<std::int32_t>(CommandType::Builtin));
      EXPECT_FALSE(record->execute.empty()) << "the editor shows this description";
      continue;
    }
    typesSeen.insert(record->type);
    switch (record->type) {
      case static_cast<std::int32_t>(CommandType::OpenFile):
      case static_cast<std::int32_t>(CommandType::AliasText):
        EXPECT_FALSE(record->execute.empty());
        break;
      case static_cast<std::int32_t>(CommandType::BrowseWeb): {
        static const std::regex address(R"(https?://[a-z0-9-]+(\.[a-z0-9-]+)+/([!-~]*))");
        EXPECT_TRUE(std::regex_match(record->execute, address)) << record->execute;
        break;
      }
      case static_cast<std::int32_t>(CommandType::MouseClick):
        EXPECT_GE(record->x, 0);
        EXPECT_GE(record->y, 0);
        EXPECT_TRUE(ClickKindFromValue(record->clickKind).has_value());
        break;
      case static_cast<std::int32_t>(CommandType::KeyPress):
        EXPECT_TRUE(IsListedKey(record->firstKey)) << record->firstKey;
        EXPECT_TRUE(record->secondKey == NoKey || IsListedKey(record->secondKey));
        EXPECT_TRUE(record->thirdKey == NoKey || IsListedKey(record->thirdKey));
        // A third key after an empty second one presses nothing.
        EXPECT_FALSE(record->secondKey == NoKey && record->thirdKey != NoKey);
        break;
      default:
        ADD_FAILURE() << "type " << record->type << " is not a user command type";
    }
  }
  for (const CommandType type : {CommandType::OpenFile, CommandType::BrowseWeb,
                                 CommandType::KeyPress, CommandType::AliasText}) {
    EXPECT_TRUE(typesSeen.count(static_cast<std::int32_t>(type))) << CommandTypeCaption(type);
  }
}

TEST_F(ShippedLibraryTest, EveryPhraseSelectsItsOwnRecordAndNoneStartsAnother) {
  const auto& entries = library.Phrases().entries;
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(library.Phrases().FindRecord(entries[i]), static_cast<int>(i) + 1)
        << entries[i] << " repeats an earlier phrase";
    for (size_t j = 0; j < entries.size(); ++j) {
      if (i != j) {
        EXPECT_FALSE(entries[j].starts_with(entries[i])) << entries[i] << " begins " << entries[j];
      }
    }
  }
}

// The file the build put into the distribution folder is the text source,
// whichever vozctl (native or host) wrote it.
TEST_F(ShippedLibraryTest, TheBuiltLibraryMatchesItsSource) {
  const auto built = files::RealFileSystem().ReadAll(VOZ_SHIPPED_LIBRARY_EDB);
  ASSERT_TRUE(built.has_value()) << "cannot read " << VOZ_SHIPPED_LIBRARY_EDB;
  const auto builtTable = recordstore::ParseTable(*built);
  const auto sourceTable = recordstore::ParseTable(fs.files.at(LibraryFile()));
  ASSERT_TRUE(builtTable.has_value());
  ASSERT_TRUE(sourceTable.has_value());
  EXPECT_EQ(*builtTable, *sourceTable);
}

}  // namespace
}  // namespace voz::library
