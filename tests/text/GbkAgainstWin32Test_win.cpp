// Our code page 936 conversion against Windows' own, over the whole code
// space: every byte, every byte pair, every UTF-16 code unit, and sampled
// longer strings. Each test reports how many inputs differ and shows the
// first few.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/text/Encoding.h"

namespace voz::text {
namespace {

std::u16string WindowsGbkToUtf16(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int n = MultiByteToWideChar(936, 0, gbk.data(), size, nullptr, 0);
  std::u16string out(static_cast<size_t>(n), u'\0');
  MultiByteToWideChar(936, 0, gbk.data(), size, reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::string WindowsUtf16ToGbk(std::u16string_view utf16) {
  if (utf16.empty()) return {};
  const auto* in = reinterpret_cast<const wchar_t*>(utf16.data());
  const int size = static_cast<int>(utf16.size());
  const int n = WideCharToMultiByte(936, 0, in, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(936, 0, in, size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string HexBytes(std::string_view s) {
  std::string out;
  char buf[4];
  for (const unsigned char c : s) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

std::string HexUnits(std::u16string_view s) {
  std::string out;
  char buf[8];
  for (const char16_t c : s) {
    std::snprintf(buf, sizeof buf, "%04X ", static_cast<unsigned>(c));
    out += buf;
  }
  return out;
}

// Counts the inputs on which we differ from Windows, keeping a few examples.
class Mismatches {
 public:
  void Decode(const std::string& gbk) {
    ++checked_;
    const std::u16string ours = GbkToUtf16(gbk), windows = WindowsGbkToUtf16(gbk);
    if (ours != windows)
      Add("bytes " + HexBytes(gbk) + "-> ours " + HexUnits(ours) + "/ Windows " + HexUnits(windows));
  }
  void Encode(const std::u16string& utf16) {
    ++checked_;
    const std::string ours = Utf16ToGbk(utf16), windows = WindowsUtf16ToGbk(utf16);
    if (ours != windows)
      Add("units " + HexUnits(utf16) + "-> ours " + HexBytes(ours) + "/ Windows " + HexBytes(windows));
  }
  size_t count() const { return count_; }
  std::string Report() const {
    std::string out = std::to_string(count_) + " of " + std::to_string(checked_) + " inputs differ";
    for (const auto& e : examples_) out += "\n  " + e;
    return out;
  }

 private:
  void Add(std::string example) {
    if (count_++ < 10) examples_.push_back(std::move(example));
  }
  size_t count_ = 0, checked_ = 0;
  std::vector<std::string> examples_;
};

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string s;
  for (const unsigned v : values) s.push_back(static_cast<char>(v));
  return s;
}

TEST(GbkAgainstWindows, EverySingleBytePairAndLoneLeadByte) {
  Mismatches m;
  for (unsigned a = 0; a < 256; ++a) {
    m.Decode(Bytes({a}));
    m.Decode(Bytes({'x', a}));  // a lead byte at the end after a character
    for (unsigned b = 0; b < 256; ++b) m.Decode(Bytes({a, b}));
  }
  EXPECT_EQ(m.count(), 0u) << m.Report();
}

TEST(GbkAgainstWindows, LeadByteBeforeEveryByteThenMore) {
  // Three bytes show whether the second byte was swallowed or kept.
  Mismatches m;
  for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
    for (unsigned b = 0; b < 256; ++b) {
      m.Decode(Bytes({lead, b, '=', 'a'}));
      m.Decode(Bytes({lead, b, 0xB0, 0xA1}));
    }
  }
  EXPECT_EQ(m.count(), 0u) << m.Report();
}

TEST(GbkAgainstWindows, EveryUtf16CodeUnit) {
  Mismatches m;
  for (unsigned u = 0; u <= 0xFFFF; ++u) m.Encode(std::u16string(1, static_cast<char16_t>(u)));
  EXPECT_EQ(m.count(), 0u) << m.Report();
}

TEST(GbkAgainstWindows, SurrogatePairs) {
  Mismatches m;
  for (unsigned high = 0xD800; high <= 0xDBFF; high += 7) {
    for (unsigned low = 0xDC00; low <= 0xDFFF; low += 61) {
      m.Encode({static_cast<char16_t>(high), static_cast<char16_t>(low)});
      m.Encode({u'a', static_cast<char16_t>(high), static_cast<char16_t>(low), u'命'});
      m.Encode({static_cast<char16_t>(low), static_cast<char16_t>(high)});  // reversed: two lone halves
    }
  }
  EXPECT_EQ(m.count(), 0u) << m.Report();
}

TEST(GbkAgainstWindows, RandomMixedStrings) {
  std::mt19937 random(936);
  const auto pick = [&](unsigned lo, unsigned hi) {
    return std::uniform_int_distribution<unsigned>(lo, hi)(random);
  };
  Mismatches decode, encode;
  for (int round = 0; round < 20000; ++round) {
    // Bytes weighted towards lead and trail bytes, with ASCII, NUL and 0x7F.
    std::string gbk;
    const unsigned length = pick(1, 40);
    for (unsigned i = 0; i < length; ++i) {
      switch (pick(0, 5)) {
        case 0: gbk.push_back(static_cast<char>(pick(0, 0x7F))); break;
        case 1: gbk.push_back(static_cast<char>(pick(0, 1) ? 0x00 : 0x7F)); break;
        default: gbk.push_back(static_cast<char>(pick(0x40, 0xFF))); break;
      }
    }
    decode.Decode(gbk);

    // Units from ASCII, Latin, CJK, full-width forms, private use and surrogates.
    std::u16string utf16;
    for (unsigned i = 0; i < length; ++i) {
      switch (pick(0, 6)) {
        case 0: utf16.push_back(static_cast<char16_t>(pick(0, 0x7F))); break;
        case 1: utf16.push_back(static_cast<char16_t>(pick(0x80, 0x2FF))); break;
        case 2: utf16.push_back(static_cast<char16_t>(pick(0x4E00, 0x9FFF))); break;
        case 3: utf16.push_back(static_cast<char16_t>(pick(0xFF00, 0xFFFF))); break;
        case 4: utf16.push_back(static_cast<char16_t>(pick(0xE000, 0xF8FF))); break;
        case 5: utf16.push_back(static_cast<char16_t>(pick(0xD800, 0xDFFF))); break;
        default: utf16.push_back(static_cast<char16_t>(pick(0, 0xFFFF))); break;
      }
    }
    encode.Encode(utf16);
  }
  EXPECT_EQ(decode.count(), 0u) << decode.Report();
  EXPECT_EQ(encode.count(), 0u) << encode.Report();
}

}  // namespace
}  // namespace voz::text
