#include "vozmara/core/ChineseNumbers.h"

#include <gtest/gtest.h>

#include "speech/Phrases.h"

namespace voz::core {
namespace {

using Forms = std::vector<std::string>;

struct ReadingCase {
  const char* text;
  Forms readings;  // canonical first
};

// Every reading rule in one place: grouping and zeros, 十 at the start,
// fractions, signs, where 两 may and may not stand, colloquial forms, and
// texts that are no number.
const ReadingCase kReadings[] = {
    {"0", {"零"}},
    {"7", {"七"}},
    {"2", {"二"}},
    {"10", {"十"}},
    {"15", {"十五"}},
    {"20", {"二十"}},
    {"22", {"二十二"}},
    {"101", {"一百零一"}},
    {"110", {"一百一十", "一百一"}},
    {"150", {"一百五十", "一百五"}},
    {"200", {"二百", "两百"}},
    {"250", {"二百五十", "两百五十", "二百五", "两百五"}},
    {"1000", {"一千"}},
    {"1001", {"一千零一"}},
    {"1010", {"一千零一十"}},
    {"1200", {"一千二百", "一千两百", "一千二"}},
    {"2000", {"二千", "两千"}},
    {"2200", {"二千二百", "两千二百", "二千两百", "两千两百", "二千二", "两千二"}},
    {"10000", {"一万"}},
    {"10010", {"一万零一十"}},
    {"20000", {"二万", "两万"}},
    {"25000", {"二万五千", "两万五千", "二万五", "两万五"}},
    {"100100", {"十万零一百"}},
    {"110000", {"十一万"}},
    {"220000", {"二十二万"}},
    {"1500000", {"一百五十万"}},
    {"100000001", {"一亿零一"}},
    {"100010000", {"一亿零一万"}},
    {"100020000", {"一亿零二万", "一亿零两万"}},
    {"200000000", {"二亿", "两亿"}},
    {"1000000000000", {"一万亿"}},
    {"2222222222222222", {"二千二百二十二万亿二千二百二十二亿二千二百二十二万二千二百二十二",
                          "两千两百二十二万亿两千两百二十二亿两千两百二十二万两千两百二十二"}},
    {"3.05", {"三点零五"}},
    {"0.25", {"零点二五"}},
    {"1.50", {"一点五零"}},
    {"2.5", {"二点五"}},
    {"200.5", {"二百点五", "两百点五"}},
    {"10.5", {"十点五"}},
    {"-3", {"负三"}},
    {"-0.5", {"负零点五"}},
    {"-150", {"负一百五十", "负一百五"}},
    {"007", {"零零七"}},
    {"12345678901234567", {"一二三四五六七八九零一二三四五六七"}},
    {"", {}},
    {"-", {}},
    {"1.", {}},
    {".5", {}},
    {"1e3", {}},
    {"+1", {}},
    {"1,000", {}},
    {"１２", {}},
};

TEST(ChineseNumbersTest, Readings) {
  for (const auto& c : kReadings) {
    EXPECT_EQ(ChineseReadings(c.text), c.readings) << "text " << c.text;
  }
}

// The recognizer's entries hear every reading and deliver the decimal text.
TEST(ChineseNumbersTest, EntriesDeliverTheText) {
  const auto entries = NumberPhraseEntries({"0.5", "1200", "10", "-3"});
  const std::pair<const char*, const char*> kHeard[] = {
      {"零点五", "0.5"}, {"一千二百", "1200"}, {"一千两百", "1200"}, {"一千二", "1200"}, {"十", "10"}, {"负三", "-3"},
  };
  for (const auto& [said, text] : kHeard) EXPECT_EQ(speech::ResolveUtterance(entries, said), text) << said;
}

}  // namespace
}  // namespace voz::core
