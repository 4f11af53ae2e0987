#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tests/recordstore/Fixtures.h"

namespace voz::recordstore {
namespace {

constexpr const char* kPath = "/p/命令库.edb";

// Builds raw file bytes for cases the serializer never writes.
struct Raw {
  std::string bytes;
  Raw& U(std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return *this;
  }
  Raw& S(std::string_view text) {
    bytes.append(text);
    return *this;
  }
  Raw& Header(std::uint16_t fields, std::uint32_t records, std::uint16_t version = 1) {
    return S("VOZEDB").U(version, 2).U(fields, 2).U(records, 4);
  }
  Raw& Field(FieldKind kind, std::string_view name) {
    return U(static_cast<std::uint8_t>(kind), 1).U(name.size(), 1).S(name);
  }
  Raw& Text(std::string_view text) { return U(text.size(), 4).S(text); }
  // The finished file: the bytes and their CRC-32.
  std::string Sealed() const {
    std::string out = bytes;
    const std::uint32_t crc = Crc32(out);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xFF));
    return out;
  }
};

TEST(EdbFormat, LayoutAndChecksumAreAsDocumented) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);  // the standard check value
  const Table table{{{"a", FieldKind::Int16}, {"名", FieldKind::Text}}, {{std::int64_t{-2}, std::string("xy")}}};
  const std::string expected =
      Raw().Header(2, 1).Field(FieldKind::Int16, "a").Field(FieldKind::Text, "名").U(0xFFFE, 2).Text("xy").Sealed();
  EXPECT_EQ(SerializeTable(table), expected);
  EXPECT_EQ(ParseTable(expected), table);
}

TEST(EdbFormat, EveryKindKeepsItsWidthAndExtremeValues) {
  using L8 = std::numeric_limits<std::int8_t>;
  using L16 = std::numeric_limits<std::int16_t>;
  using L32 = std::numeric_limits<std::int32_t>;
  using L64 = std::numeric_limits<std::int64_t>;
  using F = std::numeric_limits<float>;
  using D = std::numeric_limits<double>;
  Table table{{{"t", FieldKind::Text}, {"i8", FieldKind::Int8}, {"i16", FieldKind::Int16},
               {"i32", FieldKind::Int32}, {"i64", FieldKind::Int64}, {"f32", FieldKind::Float32},
               {"f64", FieldKind::Float64}},
              {}};
  const auto row = [](std::string t, std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d, float f,
                      double g) {
    return std::vector<Cell>{std::move(t), a, b, c, d, static_cast<double>(f), g};
  };
  table.records = {
      row("", L8::min(), L16::min(), L32::min(), L64::min(), F::lowest(), D::lowest()),
      row("中文\n第二行", L8::max(), L16::max(), L32::max(), L64::max(), F::max(), D::max()),
      row(std::string("nul\0inside", 10), -1, -1, -1, -1, F::denorm_min(), D::denorm_min()),
      row("x", 0, 0, 0, 0, -0.0f, D::infinity()),
  };
  ASSERT_TRUE(IsValidTable(table));
  const std::string bytes = SerializeTable(table);
  // Header, field table (kind, length, name), cells at their widths, CRC.
  const size_t fieldTable = 7 * 2 + 1 + 2 + 3 + 3 + 3 + 3 + 3;
  const size_t texts = 4 * 4 + 0 + 16 + 10 + 1;
  EXPECT_EQ(bytes.size(), 14 + fieldTable + texts + 4 * (1 + 2 + 4 + 8 + 4 + 8) + 4);
  const auto parsed = ParseTable(bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, table);
  EXPECT_TRUE(std::signbit(std::get<double>(parsed->records[3][5])));
  EXPECT_EQ(SerializeTable(*parsed), bytes);
}

TEST(EdbFormat, InvalidTablesAreNotWritten) {
  files::MemoryFileSystem fs;
  const auto base = testing::Library(1);
  std::vector<std::pair<const char*, Table>> cases;
  cases.emplace_back("no fields", Table{});
  cases.emplace_back("name with a space", Table{{{"a b", FieldKind::Text}}, {}});
  cases.emplace_back("duplicate names", Table{{{"a", FieldKind::Text}, {"a", FieldKind::Int8}}, {}});
  cases.emplace_back("unknown kind", Table{{{"a", static_cast<FieldKind>(9)}}, {}});
  cases.emplace_back("short record", Table{base.fields, {{std::int64_t{1}}}});
  cases.emplace_back("int8 overflow", Table{{{"a", FieldKind::Int8}}, {{std::int64_t{300}}}});
  cases.emplace_back("text in a number", Table{{{"a", FieldKind::Int8}}, {{std::string("1")}}});
  cases.emplace_back("not a float32", Table{{{"a", FieldKind::Float32}}, {{0.1}}});
  cases.emplace_back("NaN", Table{{{"a", FieldKind::Float64}}, {{std::nan("")}}});
  for (const auto& [name, table] : cases) {
    SCOPED_TRACE(name);
    std::string why;
    EXPECT_FALSE(IsValidTable(table, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(WriteTableFile(fs, kPath, table));
  }
  EXPECT_TRUE(fs.files.empty());
}

// Opening a broken file gives an empty store that refuses changes; the file
// stays exactly as it was.
void ExpectRejectedAndUntouched(const std::string& bytes) {
  EXPECT_FALSE(ParseTable(bytes));
  files::MemoryFileSystem fs;
  fs.files[kPath] = bytes;
  RecordStore store(fs);
  EXPECT_FALSE(store.Open(kPath));
  EXPECT_TRUE(store.IsOpen());
  EXPECT_EQ(store.RecordCount(), 0);
  EXPECT_EQ(store.CurrentNumber(), 0);
  EXPECT_FALSE(store.Read("语音命令"));
  EXPECT_FALSE(store.Add({}));
  EXPECT_FALSE(store.Write("语音命令", std::string("x")));
  EXPECT_FALSE(store.DeleteAndPurge());
  EXPECT_EQ(fs.files.size(), 1u);
  EXPECT_EQ(fs.files[kPath], bytes);
  EXPECT_EQ(fs.steps, 0) << "the file system was written to";
}

TEST(EdbFormat, TruncatedAndDamagedFilesAreRejected) {
  const std::string good = SerializeTable(testing::Library(2));
  ASSERT_TRUE(ParseTable(good));
  for (size_t length = 0; length < good.size(); ++length) {
    SCOPED_TRACE("truncated to " + std::to_string(length));
    ExpectRejectedAndUntouched(good.substr(0, length));
  }
  for (size_t at = 0; at < good.size(); ++at) {
    for (const unsigned char mask : {0x01, 0x80, 0xFF}) {
      SCOPED_TRACE("byte " + std::to_string(at) + " ^ " + std::to_string(mask));
      std::string damaged = good;
      damaged[at] = static_cast<char>(damaged[at] ^ mask);
      EXPECT_FALSE(ParseTable(damaged));
    }
  }
  ExpectRejectedAndUntouched(good + '\0');
}

TEST(EdbFormat, ForeignAndMalformedFilesAreRejectedWithAReason) {
  const auto oneText = [](std::string_view text) {
    return Raw().Header(1, 1).Field(FieldKind::Text, "t").Text(text).Sealed();
  };
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"text", "hello world\n"},
      {"ini", "[主窗口]\r\n左边=10\r\n"},
      {"png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
      {"utf-16 text", std::string("\xFF\xFEV\0O\0Z\0", 8)},
      {"signature only", "VOZEDB"},
      {"newer version", Raw().Header(1, 0, 2).Field(FieldKind::Text, "t").Sealed()},
      {"no fields", Raw().Header(0, 0).Sealed()},
      {"kind 0", Raw().Header(1, 0).Field(static_cast<FieldKind>(0), "t").Sealed()},
      {"kind 8", Raw().Header(1, 0).Field(static_cast<FieldKind>(8), "t").Sealed()},
      {"empty name", Raw().Header(1, 0).Field(FieldKind::Text, "").Sealed()},
      {"name with a space", Raw().Header(1, 0).Field(FieldKind::Text, "a b").Sealed()},
      {"name not UTF-8", Raw().Header(1, 0).Field(FieldKind::Text, "\xFF").Sealed()},
      {"duplicate name", Raw().Header(2, 0).Field(FieldKind::Text, "t").Field(FieldKind::Int8, "t").Sealed()},
      {"field table past the end", Raw().Header(2, 0).Field(FieldKind::Text, "t").Sealed()},
      {"text not UTF-8", oneText("\xC0\x80")},
      {"text past the end", Raw().Header(1, 1).Field(FieldKind::Text, "t").U(5, 4).S("abc").Sealed()},
      {"huge record count", Raw().Header(1, 0xFFFFFFFF).Field(FieldKind::Int8, "n").U(1, 1).Sealed()},
      {"missing record", Raw().Header(1, 2).Field(FieldKind::Int8, "n").U(1, 1).Sealed()},
      {"trailing bytes", Raw().Header(1, 1).Field(FieldKind::Int8, "n").U(1, 1).U(0, 1).Sealed()},
      {"NaN float32", Raw().Header(1, 1).Field(FieldKind::Float32, "f").U(0x7FC00000, 4).Sealed()},
      {"NaN float64", Raw().Header(1, 1).Field(FieldKind::Float64, "f").U(0x7FF8000000000001, 8).Sealed()},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    std::string why;
    EXPECT_FALSE(ParseTable(bytes, &why));
    EXPECT_FALSE(why.empty());
    ExpectRejectedAndUntouched(bytes);
  }
  // The same builder gives a file that opens, so the cases fail for their own reason.
  EXPECT_TRUE(ParseTable(oneText("好")));
}

TEST(EdbFormat, MissingFileOpensEmptyAndIsNotCreated) {
  files::MemoryFileSystem fs;
  RecordStore store(fs);
  EXPECT_FALSE(store.Open(kPath));
  EXPECT_TRUE(store.IsOpen());
  EXPECT_FALSE(store.IsWritable());
  EXPECT_FALSE(store.Add({}));
  EXPECT_TRUE(fs.files.empty());
}

}  // namespace
}  // namespace voz::recordstore
