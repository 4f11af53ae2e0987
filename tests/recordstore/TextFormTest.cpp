#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "recordstore/TextForm.h"
#include "tests/recordstore/Fixtures.h"

namespace voz::recordstore {
namespace {

constexpr std::string_view kSource =
    "# The command library\n"
    "field 命令类型 int16\n"
    "field 语音命令 text\n"
    "field 执行 text\n"
    "field 横坐标 int32\n"
    "field 纵坐标 int32\n"
    "field 点击类型 int16\n"
    "field 第一键 int32\n"
    "field 第二键 int32\n"
    "field 第三键 int32\n"
    "\n"
    "record\n"
    "命令类型 = 5\n"
    "语音命令 = 显示命令列表\n"
    "执行 = 在主窗口里列出所有语音命令\n"
    "\n"
    "record\r\n"
    "命令类型 = 3\r\n"
    "语音命令 = 复制\r\n"
    "第一键 = 17\r\n"
    "第二键 = 67\r\n"
    "第三键 = -1\r\n";

TEST(TextForm, ParsesTheSourceFormAndDumpsEveryField) {
  TextFormError error;
  const auto table = ParseTextForm(kSource, &error);
  ASSERT_TRUE(table) << error.line << ": " << error.message;
  EXPECT_EQ(table->fields, testing::LibraryFields());
  ASSERT_EQ(table->records.size(), 2u);
  EXPECT_EQ(table->records[1], (std::vector<Cell>{std::int64_t{3}, std::string("复制"), std::string(),
                                                  std::int64_t{0}, std::int64_t{0}, std::int64_t{0},
                                                  std::int64_t{17}, std::int64_t{67}, std::int64_t{-1}}));
  const std::string dump = FormatTextForm(*table);
  EXPECT_EQ(dump.substr(0, dump.find("\nrecord\n", dump.find("\nrecord\n") + 1)),
            "# record store dump: 2 records\n"
            "field 命令类型 int16\nfield 语音命令 text\nfield 执行 text\nfield 横坐标 int32\n"
            "field 纵坐标 int32\nfield 点击类型 int16\nfield 第一键 int32\nfield 第二键 int32\n"
            "field 第三键 int32\n"
            "\nrecord\n命令类型 = 5\n语音命令 = 显示命令列表\n执行 = 在主窗口里列出所有语音命令\n"
            "横坐标 = 0\n纵坐标 = 0\n点击类型 = 0\n第一键 = 0\n第二键 = 0\n第三键 = 0\n");
  // dump -> parse -> dump is byte for byte the same, and so is the table.
  const auto again = ParseTextForm(dump);
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, *table);
  EXPECT_EQ(FormatTextForm(*again), dump);
}

TEST(TextForm, AwkwardValuesRoundTrip) {
  Table table{{{"t", FieldKind::Text}, {"f32", FieldKind::Float32}, {"f64", FieldKind::Float64},
               {"i64", FieldKind::Int64}},
              {}};
  const std::string texts[] = {"", " ", "  two  ", "a\\nb", "line\nbreak\r\n", "\ttab", "a = b", "# not a comment",
                               "record", "\\", "中文 空格 "};
  const double f32[] = {0.1f, -0.0f, 3.4028234663852886e38, 1.4e-45f, std::numeric_limits<float>::infinity(),
                        16777216.0, 1e-10f, -2.5f, 7.0f, 123456.789f, 0.0f};
  const double f64[] = {0.1, -0.0, 1.7976931348623157e308, 5e-324, -std::numeric_limits<double>::infinity(),
                        1e21, 1e-7, 2.0 / 3.0, 9007199254740993.0, 100.0, 0.3};
  for (size_t i = 0; i < std::size(texts); ++i) {
    table.records.push_back({texts[i], f32[i], f64[i], std::int64_t{-9223372036854775807 - 1} + std::int64_t(i)});
  }
  ASSERT_TRUE(IsValidTable(table));
  const std::string dump = FormatTextForm(table);
  for (size_t start = 0; start < dump.size();) {
    const size_t end = dump.find('\n', start);
    const std::string_view line(dump.data() + start, end - start);
    EXPECT_TRUE(line.empty() || (line.back() != ' ' && line.back() != '\t')) << "'" << line << "'";
    start = end + 1;
  }
  TextFormError error;
  const auto parsed = ParseTextForm(dump, &error);
  ASSERT_TRUE(parsed) << error.line << ": " << error.message;
  EXPECT_EQ(*parsed, table);
  for (size_t i = 0; i < table.records.size(); ++i) {
    EXPECT_EQ(std::signbit(std::get<double>(parsed->records[i][1])), std::signbit(f32[i]));
  }
  EXPECT_EQ(FormatTextForm(*parsed), dump);
}

TEST(TextForm, ErrorsNameTheirLine) {
  const std::string head = "field n int8\nfield t text\n";
  struct Case {
    std::string text;
    int line;
    std::string message;
  };
  const Case cases[] = {
      {"", 0, "no field lines"},
      {"# only a comment\n\n", 0, "no field lines"},
      {"record\n", 1, "a record before any field line"},
      {"field n int12\n", 1, "unknown kind 'int12' (expected text, int8, int16, int32, int64, float32, float64)"},
      {"field n\n", 1, "a field line is 'field NAME KIND'"},
      {"field a=b text\n", 1, "invalid field name 'a=b'"},
      {head + "field n int16\n", 3, "field 'n' is defined twice"},
      {head + "n = 1\n", 3, "a value line before the first record"},
      {head + "record\nfield x text\n", 4, "a field line after the first record"},
      {head + "record\nm = 1\n", 4, "'m' is not a field"},
      {head + "record\nn = 1\nn = 2\n", 5, "'n' is given twice in this record"},
      {head + "record\nn = 128\n", 4, "'n': 128 does not fit int8"},
      {head + "record\nn = 99999999999999999999\n", 4, "'n': 99999999999999999999 does not fit int8"},
      {head + "record\nn = 1.5\n", 4, "'n': '1.5' is not a decimal integer"},
      {head + "record\nn = +1\n", 4, "'n': '+1' is not a decimal integer"},
      {head + "record\nn =\n", 4, "'n': '' is not a decimal integer"},
      {head + "record\nt = a\\qb\n", 4, "a bad escape in the value of 't' (use \\\\, \\n, \\r, \\t or \\s)"},
      {head + "record\nt = ends in \\\n", 4, "a bad escape in the value of 't' (use \\\\, \\n, \\r, \\t or \\s)"},
      {head + "record\nt = \xFF\n", 4, "the line is not UTF-8"},
      {head + "record\njust words\n", 4, "expected 'field NAME KIND', 'record' or 'NAME = VALUE'"},
      {"field f float32\nrecord\nf = 1e39\n", 3, "'f': 1e39 does not fit float32"},
      {"field f float64\nrecord\nf = nan\n", 3, "'f': 'nan' is not a number"},
      {"field f float64\nrecord\nf = 1,5\n", 3, "'f': '1,5' is not a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TextFormError error;
    EXPECT_FALSE(ParseTextForm(c.text, &error));
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.message, c.message);
  }
}

TEST(TextForm, SkipsAByteOrderMarkAndReadsEmptyValues) {
  const auto table = ParseTextForm("\xEF\xBB\xBF# c\nfield t text\nfield field text\nrecord\nt =\nfield =   \n");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->records, (std::vector<std::vector<Cell>>{{std::string(), std::string("  ")}}));
}

}  // namespace
}  // namespace voz::recordstore
