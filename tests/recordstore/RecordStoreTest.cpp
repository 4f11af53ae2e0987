#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tests/recordstore/Fixtures.h"

namespace voz::recordstore {
namespace {

using testing::Library;

constexpr const char* kPath = "/p/命令库.edb";

std::string PhraseOf(const RecordStore& store) {
  const auto value = store.Read("语音命令");
  return value ? value->AsText() : "<none>";
}

struct OpenStore {
  explicit OpenStore(const Table& table) {
    fs.files[kPath] = SerializeTable(table);
    EXPECT_TRUE(store.Open(kPath));
  }
  files::MemoryFileSystem fs;
  RecordStore store{fs};
};

TEST(RecordStoreNavigation, PositionsAndEndFlags) {
  struct Case {
    const char* name;
    std::function<void(RecordStore&)> act;
    int current;
    bool beforeFirst;
    bool afterLast;
  };
  const Case cases[] = {
      {"after open", [](RecordStore&) {}, 1, false, false},
      {"go last", [](RecordStore& s) { s.GoLast(); }, 3, false, false},
      {"skip past the last", [](RecordStore& s) { s.GoLast(); s.Skip(1); }, 0, false, true},
      {"skips stop after the last", [](RecordStore& s) { s.GoLast(); s.Skip(1); s.Skip(1); s.Skip(-1); }, 3, false, false},
      {"skip back past the first", [](RecordStore& s) { s.Skip(-1); }, 0, true, false},
      {"skip back from before first", [](RecordStore& s) { s.Skip(-1); s.Skip(-1); s.Skip(1); }, 1, false, false},
      {"skip by more than one", [](RecordStore& s) { s.Skip(2); }, 3, false, false},
      {"large skip stops at the end", [](RecordStore& s) { s.Skip(std::numeric_limits<int>::max()); }, 0, false, true},
      {"large skip back stops at the start", [](RecordStore& s) { s.Skip(std::numeric_limits<int>::min()); }, 0, true, false},
      {"go to 2", [](RecordStore& s) { EXPECT_TRUE(s.GoTo(2)); }, 2, false, false},
      {"go to 0", [](RecordStore& s) { EXPECT_FALSE(s.GoTo(0)); }, 0, true, false},
      {"go to -7", [](RecordStore& s) { EXPECT_FALSE(s.GoTo(-7)); }, 0, true, false},
      {"go to N + 1", [](RecordStore& s) { EXPECT_FALSE(s.GoTo(4)); }, 0, false, true},
      {"go first after go to outside", [](RecordStore& s) { s.GoTo(9); s.GoFirst(); }, 1, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenStore open(Library(3));
    c.act(open.store);
    EXPECT_EQ(open.store.CurrentNumber(), c.current);
    EXPECT_EQ(open.store.BeforeFirst(), c.beforeFirst);
    EXPECT_EQ(open.store.AfterLast(), c.afterLast);
    EXPECT_EQ(PhraseOf(open.store), c.current ? "命令" + std::to_string(c.current) : "<none>");
  }
}

TEST(RecordStoreNavigation, EmptyStoreHasNoCurrentRecordAndBothEndFlags) {
  OpenStore open(Library(0));
  RecordStore& store = open.store;
  for (auto move : {+[](RecordStore& s) { s.GoFirst(); }, +[](RecordStore& s) { s.GoLast(); },
                    +[](RecordStore& s) { s.Skip(1); }, +[](RecordStore& s) { s.Skip(-1); }}) {
    move(store);
    EXPECT_EQ(store.CurrentNumber(), 0);
    EXPECT_TRUE(store.BeforeFirst());
    EXPECT_TRUE(store.AfterLast());
  }
  EXPECT_FALSE(store.Read("语音命令"));
  EXPECT_FALSE(store.Write("语音命令", std::string("x")));
  EXPECT_FALSE(store.DeleteAndPurge());
  ASSERT_TRUE(store.Add({std::int64_t{0}, std::string("第一条")}));
  EXPECT_EQ(store.CurrentNumber(), 1);
  EXPECT_EQ(PhraseOf(store), "第一条");
}

TEST(RecordStoreNavigation, ClosedStoreGivesFailureValues) {
  OpenStore open(Library(3));
  RecordStore& store = open.store;
  store.Close();
  const std::string before = open.fs.files[kPath];
  store.GoFirst();
  store.GoLast();
  store.Skip(1);
  EXPECT_FALSE(store.IsOpen());
  EXPECT_FALSE(store.GoTo(1));
  EXPECT_EQ(store.RecordCount(), 0);
  EXPECT_EQ(store.CurrentNumber(), 0);
  EXPECT_FALSE(store.BeforeFirst());
  EXPECT_FALSE(store.AfterLast());
  EXPECT_TRUE(store.Fields().empty());
  EXPECT_FALSE(store.Read("语音命令"));
  EXPECT_FALSE(store.Write("语音命令", std::string("x")));
  EXPECT_FALSE(store.Add({}));
  EXPECT_FALSE(store.DeleteAndPurge());
  EXPECT_EQ(open.fs.files[kPath], before);
}

TEST(RecordStoreChanges, DeleteRenumbersAndKeepsAPlaceCurrent) {
  struct Case {
    int deleteAt;
    int count;
    int currentAfter;
    std::vector<std::string> phrasesAfter;
  };
  const Case cases[] = {
      {2, 3, 2, {"命令1", "命令3"}},  // the record that took its place
      {3, 3, 2, {"命令1", "命令2"}},  // else the new last
      {1, 1, 0, {}},                  // none left
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("delete " + std::to_string(c.deleteAt) + " of " + std::to_string(c.count));
    OpenStore open(Library(c.count));
    RecordStore& store = open.store;
    ASSERT_TRUE(store.GoTo(c.deleteAt));
    ASSERT_TRUE(store.DeleteAndPurge());
    EXPECT_EQ(store.CurrentNumber(), c.currentAfter);
    RecordStore reopened(open.fs);
    ASSERT_TRUE(reopened.Open(kPath));
    std::vector<std::string> phrases;
    for (int i = 1; reopened.GoTo(i); ++i) phrases.push_back(PhraseOf(reopened));
    EXPECT_EQ(phrases, c.phrasesAfter);
  }
}

TEST(RecordStoreChanges, AddAppendsWithDefaultsAndRefusesBadValues) {
  OpenStore open(Library(2));
  RecordStore& store = open.store;
  store.GoFirst();
  ASSERT_TRUE(store.Add({std::int64_t{3}, std::string("复制"), std::nullopt, std::nullopt, std::nullopt,
                         std::nullopt, std::int64_t{17}, std::string("67")}));
  EXPECT_EQ(store.RecordCount(), 3);
  EXPECT_EQ(store.CurrentNumber(), 3);
  EXPECT_EQ(store.Read("执行")->AsText(), "");
  EXPECT_EQ(store.Read("横坐标")->AsInt32(), 0);
  EXPECT_EQ(store.Read("第二键")->AsInt32(), 67);
  EXPECT_EQ(store.Read("第三键")->AsInt32(), 0);  // absent: 0, not the -1 of the fixture

  const std::string before = open.fs.files[kPath];
  EXPECT_FALSE(store.Add(std::vector<std::optional<WriteValue>>(10, std::int64_t{1})));  // one too many
  EXPECT_FALSE(store.Add({std::int64_t{70000}}));                                          // int16 overflow
  EXPECT_EQ(store.RecordCount(), 3);
  EXPECT_EQ(store.CurrentNumber(), 3);
  EXPECT_EQ(open.fs.files[kPath], before);
}

TEST(RecordStoreChanges, WriteConvertsOrRefusesAndPersists) {
  Table table{{{"t", FieldKind::Text}, {"i8", FieldKind::Int8}, {"i16", FieldKind::Int16},
               {"i64", FieldKind::Int64}, {"f32", FieldKind::Float32}, {"f64", FieldKind::Float64}},
              {{std::string("old"), std::int64_t{1}, std::int64_t{2}, std::int64_t{3}, 4.0, 5.0}}};
  struct Case {
    const char* field;
    WriteValue value;
    bool ok;
    std::string readBack;  // AsText after the write (the old value when refused)
  };
  const Case cases[] = {
      {"t", std::int64_t{-42}, true, "-42"},
      {"t", std::string("中文 text"), true, "中文 text"},
      {"t", std::string("\xC3\x28"), false, "old"},  // not UTF-8
      {"i8", std::int64_t{127}, true, "127"},
      {"i8", std::int64_t{128}, false, "1"},
      {"i16", std::int64_t{70000}, false, "2"},
      {"i16", std::string("12.9"), true, "12"},
      {"i16", std::string("-3.7"), true, "-3"},
      {"i16", std::string(" +8 keys"), true, "8"},
      {"i16", std::string("abc"), true, "0"},
      {"i16", std::string("70000"), false, "2"},
      {"i64", std::string("9223372036854775807"), true, "9223372036854775807"},
      {"i64", std::string("-9223372036854775808"), true, "-9223372036854775808"},
      {"i64", std::string("9223372036854775808"), false, "3"},
      {"f32", std::int64_t{16777216}, true, "16777216"},
      {"f32", std::int64_t{16777217}, false, "4"},  // not exactly a float
      {"f64", std::string("2.5"), true, "2"},       // texts go in as their integer value
      {"f64", std::int64_t{(1LL << 53) + 1}, false, "5"},
      {"missing", std::int64_t{1}, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " <- " +
                 (std::holds_alternative<std::string>(c.value) ? std::get<std::string>(c.value)
                                                               : std::to_string(std::get<std::int64_t>(c.value))));
    OpenStore open(table);
    const std::string before = open.fs.files[kPath];
    EXPECT_EQ(open.store.Write(c.field, c.value), c.ok);
    if (!c.ok) {
      EXPECT_EQ(open.fs.files[kPath], before);
    }
    RecordStore reopened(open.fs);
    ASSERT_TRUE(reopened.Open(kPath));
    for (const RecordStore* store : {&open.store, &reopened}) {
      const auto value = store->Read(c.field);
      EXPECT_EQ(value ? value->AsText() : "", c.readBack);
    }
  }
}

TEST(RecordStoreValues, ReadConvertsNumbersOfEveryWidth) {
  struct Case {
    FieldValue value;
    std::int32_t asInt32;
    std::string asText;
  };
  const Case cases[] = {
      {{FieldKind::Float64, 2.9}, 2, "2.9"},
      {{FieldKind::Float64, -2.9}, -2, "-2.9"},
      {{FieldKind::Float64, 1e12}, std::numeric_limits<std::int32_t>::max(), "1e+12"},
      {{FieldKind::Float64, -std::numeric_limits<double>::infinity()}, std::numeric_limits<std::int32_t>::min(), "-inf"},
      {{FieldKind::Float32, static_cast<double>(0.1f)}, 0, "0.1"},
      {{FieldKind::Int64, std::int64_t{-5000000000}}, std::numeric_limits<std::int32_t>::min(), "-5000000000"},
      {{FieldKind::Int8, std::int64_t{-1}}, -1, "-1"},
      {{FieldKind::Text, std::string("  42abc")}, 42, "  42abc"},
      {{FieldKind::Text, std::string("-99999999999999999999")}, std::numeric_limits<std::int32_t>::min(),
       "-99999999999999999999"},
      {{FieldKind::Text, std::string("")}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asText);
    EXPECT_EQ(c.value.AsInt32(), c.asInt32);
    EXPECT_EQ(c.value.AsText(), c.asText);
  }
  EXPECT_DOUBLE_EQ((FieldValue{FieldKind::Text, std::string(" -1.5e2x")}.AsDouble()), -150.0);
  EXPECT_EQ((FieldValue{FieldKind::Text, std::string("nan")}.AsDouble()), 0.0);
}

}  // namespace
}  // namespace voz::recordstore
