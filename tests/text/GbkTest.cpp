#include <gtest/gtest.h>

#include <string>

#include "platform/text/Encoding.h"

namespace voz::text {
namespace {

// GBK bytes are written as escapes; u"" texts are UTF-16.
struct DecodeCase {
  const char* name;
  std::string gbk;
  std::u16string utf16;
};

TEST(GbkToUtf16, ConvertsAsWindowsDoes) {
  using namespace std::string_literals;
  const DecodeCase cases[] = {
      {"empty", "", u""},
      {"ASCII with controls", "a=b [x]\r\n\t~\x7F", u"a=b [x]\r\n\t~\x7F"},
      {"NUL is a character", "a\0b"s, u"a\0b"s},
      {"common Chinese", "\xC3\xFC\xC1\xEE\xBF\xE2", u"命令库"},
      {"Chinese between ASCII", "[\xB2\xCE\xCA\xFD]=\xD5\xE6", u"[参数]=真"},
      {"euro sign 0x80", "\x80", u"€"},
      {"0xFF is private use", "\xFF", u"\xF8F5"},
      {"ideographic space", "\xA1\xA1", u"\x3000"},
      {"user-defined area", "\xAA\xA1\xFE\xFE", u"\xE000\xE4C5"},
      {"GBK extension rows", "\x81\x40\xFE\x4F", u"丂\xFA29"},
      // Trail bytes that look like ASCII belong to the character.
      {"trail ']'", "[\x81\x5D]", u"[乚]"},
      {"trail '['", "\x81\x5B", u"乕"},
      {"trail backslash", "\x81\x5C\\", u"乗\\"},
      {"trail 'A' and 'a' differ", "\xB0\x41\xB0\x61", u"癆癮"},
      {"trail '@' lowest", "\x81\x40", u"丂"},
      // Invalid sequences: a lead byte takes any following byte except NUL.
      {"lead byte at the end", "ab\xC3", u"ab?"},
      {"lead byte alone", "\x81", u"?"},
      {"two lead bytes at the end", "\xC3\xC3\xC3", u"妹?"},
      {"lead + '=' swallows it", "k\x81=v", u"k?v"},
      {"lead + digit swallows it", "\x81\x30=", u"?="},
      {"lead + CR swallows it", "\xD5\r\n", u"?\n"},
      {"lead + NUL keeps the NUL", "\x81\0a"s, u"?\0a"s},
      {"lead + 0x7F", "\x81\x7F" "a", u"?a"},
      {"lead + 0xFF", "\x81\xFF" "a", u"?a"},
      {"lead + 0x80 is a character", "\x81\x80", u"亐"},
      {"0x80 is never a lead byte", "\x80\x41", u"€A"},
      {"0xFF is never a lead byte", "\xFF\x41", u"\xF8F5" u"A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GbkToUtf16(c.gbk), c.utf16) << c.name;
  }
}

struct EncodeCase {
  const char* name;
  std::u16string utf16;
  std::string gbk;
};

TEST(Utf16ToGbk, ConvertsAsWindowsDoes) {
  using namespace std::string_literals;
  const EncodeCase cases[] = {
      {"empty", u"", ""},
      {"ASCII and NUL", u"a=b\0\x7F"s, "a=b\0\x7F"s},
      {"common Chinese", u"命令库", "\xC3\xFC\xC1\xEE\xBF\xE2"},
      {"euro sign", u"€", "\x80"},
      {"U+F8F5 is 0xFF", u"\xF8F5", "\xFF"},
      {"private use is the user-defined area", u"\xE000\xE4C5", "\xAA\xA1\xFE\xFE"},
      {"trail byte ']'", u"[乚]", "[\x81\x5D]"},
      // Characters outside the code page.
      {"Thai", u"\x0E01", "?"},
      {"Hangul", u"한", "?"},
      {"no-break space", u"\x00A0", "?"},
      {"katakana middle dot", u"\x30FB", "?"},
      {"lone high surrogate", u"a\xD800" u"b", "a?b"},
      {"lone low surrogate", u"\xDC00", "?"},
      {"surrogate pair is two '?'", u"😀", "??"},
      {"non-character", u"\xFFFF", "?"},
      // Best fit: a similar character of the code page.
      {"cent sign", u"\x00A2", "\xA1\xE9"},
      {"feminine ordinal", u"\x00AA", "a"},
      {"superscript two", u"\x00B2", "2"},
      {"soft hyphen", u"\x00AD", "-"},
      {"A grave", u"\x00C0", "\xA8\xA4"},
      {"parenthesised ideograph one", u"\x3192", "\xD2\xBB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16ToGbk(c.utf16), c.gbk) << c.name;
  }
}

// Every two-byte code that decodes to a character encodes back to itself;
// every code that fails is an invalid pair ('?').
TEST(Gbk, EveryCodeRoundTrips) {
  int codes = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 1; trail <= 0xFF; ++trail) {
      const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string utf16 = GbkToUtf16(gbk);
      ASSERT_EQ(utf16.size(), 1u) << std::hex << lead << ' ' << trail;
      if (utf16 == u"?") {
        EXPECT_TRUE(trail < 0x40 || trail == 0x7F || trail == 0xFF) << std::hex << lead << ' ' << trail;
        continue;
      }
      ++codes;
      EXPECT_EQ(Utf16ToGbk(utf16), gbk) << std::hex << lead << ' ' << trail;
    }
  }
  EXPECT_EQ(codes, 126 * 190);
  for (unsigned b = 0; b < 0x100; ++b) {
    if (b >= 0x81 && b <= 0xFE) continue;
    const std::string gbk(1, static_cast<char>(b));
    EXPECT_EQ(Utf16ToGbk(GbkToUtf16(gbk)), gbk) << std::hex << b;
  }
}

// Every UTF-16 unit encodes to one or two bytes, and decoding those gives
// the unit back, unless it became '?' or a best-fit substitute.
TEST(Gbk, EveryUnitEncodesToOneCharacter) {
  int exact = 0;
  for (unsigned u = 0; u <= 0xFFFF; ++u) {
    const std::u16string unit(1, static_cast<char16_t>(u));
    const std::string gbk = Utf16ToGbk(unit);
    const std::u16string back = GbkToUtf16(gbk);
    ASSERT_EQ(back.size(), 1u) << std::hex << u;
    if (back == unit) ++exact;
  }
  // ASCII, 0x80, 0xFF and the two-byte codes.
  EXPECT_EQ(exact, 128 + 2 + 126 * 190);
}

TEST(GbkUtf8, ConvertsThroughUtf16) {
  EXPECT_EQ(GbkToUtf8("\xC3\xFC\xC1\xEE\xBF\xE2.edb \x80\xA1\xA4"), "命令库.edb €·");
  EXPECT_EQ(Utf8ToGbk("参数.ini"), "\xB2\xCE\xCA\xFD.ini");
  EXPECT_EQ(Utf8ToGbk("\xFF" "a\xE4\xB8"), "?a?");  // ill-formed UTF-8: U+FFFD, not in GBK
  EXPECT_EQ(Utf8ToGbk("😀"), "??");
  EXPECT_EQ(GbkToUtf8("k\x81=v"), "k?v");
  // GbkToUtf8 has its own loop; it must agree with the two steps everywhere.
  for (unsigned a = 0; a < 256; ++a) {
    for (unsigned b = 0; b < 256; ++b) {
      const std::string gbk{static_cast<char>(a), static_cast<char>(b), static_cast<char>(a)};
      ASSERT_EQ(GbkToUtf8(gbk), Utf16ToUtf8(GbkToUtf16(gbk))) << std::hex << a << ' ' << b;
    }
  }
}

}  // namespace
}  // namespace voz::text
