#include <gtest/gtest.h>

#include <string>

#include "platform/text/Encoding.h"

namespace voz::text {
namespace {

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u16string utf16;
  bool valid;
};

// Ill-formed UTF-8 gives one U+FFFD per maximal ill-formed subpart.
TEST(Utf8ToUtf16, DecodesAndRepairs) {
  using namespace std::string_literals;
  const Utf8Case cases[] = {
      {"empty", "", u"", true},
      {"ASCII and NUL", "a\0b"s, u"a\0b"s, true},
      {"two, three and four bytes", "\xC3\xA9\xE5\x91\xBD\xF0\x9F\x98\x80", u"é命😀", true},
      {"highest code point", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF", true},
      {"literal U+FFFD", "\xEF\xBF\xBD", u"\xFFFD", true},
      {"stray continuation", "a\x80" "b", u"a\xFFFD" u"b", false},
      {"overlong two bytes", "\xC0\x80", u"\xFFFD\xFFFD", false},
      {"overlong three bytes", "\xE0\x80\x80", u"\xFFFD\xFFFD\xFFFD", false},
      {"encoded surrogate", "\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD", false},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD", false},
      {"truncated at the end", "\xE5\x91", u"\xFFFD", false},
      {"truncated before ASCII", "\xF0\x9F\x98z", u"\xFFFDz", false},
      {"0xFF", "\xFF", u"\xFFFD", false},
      {"GBK bytes", "\xC3\xFC\xC1\xEE", u"\xFFFD\xFFFD\xFFFD\xFFFD", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.name;
    EXPECT_EQ(IsValidUtf8(c.utf8), c.valid) << c.name;
    if (c.valid) {
      EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.name;
    }
  }
}

TEST(Utf16ToUtf8, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf16ToUtf8(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xD83D\xDE00"), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace voz::text
