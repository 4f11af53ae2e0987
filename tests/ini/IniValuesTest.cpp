#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "platform/ini/IniValues.h"

namespace voz::ini {
namespace {

TEST(IniValues, TextToNumberReadsTheLeadingNumber) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const struct {
    const char* text;
    double number;
  } cases[] = {
      {"", 0},         {"12", 12},       {" \t12.5x", 12.5}, {"-3", -3},    {"+4", 4},       {"102abc", 102},
      {"1e3", 1000},   {"2.5E-1", 0.25}, {"1e", 1},          {"1e+", 1},    {".5", 0.5},     {"5.", 5},
      {"-.5", -0.5},   {".", 0},         {"-", 0},           {"- 1", 0},    {"abc", 0},      {"0x1F", 0},
      {"inf", 0},      {"nan", 0},       {"１２", 0},        {"1e999", kMax}, {"-1e999", -kMax}, {"1e-999", 0},
      {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
       0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniTextToNumber(c.text), c.number) << "'" << c.text << "'";
  }
}

TEST(IniValues, TruncateToIntTowardZeroWithinRange) {
  EXPECT_EQ(TruncateToInt(2.9), 2);
  EXPECT_EQ(TruncateToInt(-2.9), -2);
  EXPECT_EQ(TruncateToInt(1e300), INT_MAX);
  EXPECT_EQ(TruncateToInt(-1e300), INT_MIN);
  EXPECT_EQ(TruncateToInt(std::nan("")), 0);
}

TEST(IniValues, OnlyTheOnTextIsOn) {
  EXPECT_TRUE(IsIniOn("真"));
  for (const char* off : {"假", "", " 真", "真 ", "1", "true", "是"}) EXPECT_FALSE(IsIniOn(off)) << off;
  EXPECT_EQ(IniFlagText(true), "真");
  EXPECT_EQ(IniFlagText(false), "假");
}

}  // namespace
}  // namespace voz::ini
