// GBK (code page 936) <-> UTF-16 with our own copy of Windows' tables
// (Cp936Tables.h), so that both builds give what MultiByteToWideChar and
// WideCharToMultiByte give on Windows, invalid input included.
#include <array>
#include <cstdint>

#include "platform/text/Cp936Tables.h"
#include "platform/text/Encoding.h"

namespace voz::text {

namespace {

constexpr char16_t kUnknown = u'?';

// Column of a trail byte in cp936::kDoubleByte, or -1 when the byte cannot
// follow a lead byte.
constexpr int TrailIndex(unsigned char b) {
  if (b < 0x40 || b == 0x7F || b == 0xFF) return -1;
  return b < 0x7F ? b - 0x40 : b - 0x41;
}

// A short row would be padded with NULs, which would decode silently.
constexpr bool EveryCodeHasACharacter() {
  for (const auto& row : cp936::kDoubleByte) {
    for (int t = 0; t < cp936::kTrailCount; ++t) {
      if (row[t] == 0) return false;
    }
  }
  return true;
}
static_assert(EveryCodeHasACharacter());
static_assert(TrailIndex(0xFE) == cp936::kTrailCount - 1);

// UTF-16 code unit -> code: one byte below 0x100, else lead << 8 | trail.
// Built in place at first use (thread-safe static initialisation): 128 KB
// that programs reading but never writing GBK do not pay for.
struct EncodeTable {
  std::array<std::uint16_t, 0x10000> code;

  EncodeTable() {
    code.fill(kUnknown);
    for (unsigned b = 0; b < 0x80; ++b) code[b] = static_cast<std::uint16_t>(b);
    code[cp936::kByte80] = 0x80;
    code[cp936::kByteFF] = 0xFF;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        const int t = TrailIndex(static_cast<unsigned char>(trail));
        if (t < 0) continue;
        code[cp936::kDoubleByte[lead - 0x81][t]] = static_cast<std::uint16_t>(lead << 8 | trail);
      }
    }
    for (const auto& fit : cp936::kBestFit) code[fit.character] = fit.code;
  }
};

const EncodeTable& Encoder() {
  static const EncodeTable table;
  return table;
}

// Calls emit(unit) for each UTF-16 unit of the GBK text, as Windows
// decodes it (always one unit per character: the code page has nothing
// beyond the BMP).
template <typename Emit>
inline void DecodeGbk(std::string_view gbk, Emit&& emit) {
  const size_t n = gbk.size();
  for (size_t i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      emit(b);
    } else if (b == 0x80) {
      emit(cp936::kByte80);
    } else if (b == 0xFF) {
      emit(cp936::kByteFF);
    } else if (i + 1 == n || gbk[i + 1] == '\0') {
      // 0x81..0xFE are lead bytes. One at the end, or before a NUL (which
      // Windows keeps), is '?'.
      emit(kUnknown);
    } else {
      // Windows takes any other second byte with the lead byte, even one
      // that cannot be a trail byte: the pair becomes one '?'.
      const int t = TrailIndex(static_cast<unsigned char>(gbk[++i]));
      emit(t < 0 ? kUnknown : cp936::kDoubleByte[b - 0x81][t]);
    }
  }
}

}  // namespace

// The conversions write through a pointer into a buffer sized for the worst
// case and trim it afterwards: an INI file is decoded on every refresh.

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out(gbk.size(), u'\0');
  char16_t* p = out.data();
  DecodeGbk(gbk, [&p](char16_t c) { *p++ = c; });
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  // At most three UTF-8 bytes per GBK byte (0x80 is U+20AC).
  std::string out(gbk.size() * 3, '\0');
  char* p = out.data();
  DecodeGbk(gbk, [&p](char16_t c) {
    if (c < 0x80) {
      *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
      *p++ = static_cast<char>(0xC0 | (c >> 6));
      *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      *p++ = static_cast<char>(0xE0 | (c >> 12));
      *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  });
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  const EncodeTable& table = Encoder();
  std::string out(utf16.size() * 2, '\0');
  char* p = out.data();
  for (const char16_t c : utf16) {
    const std::uint16_t code = table.code[c];
    if (code > 0xFF) *p++ = static_cast<char>(code >> 8);
    *p++ = static_cast<char>(code & 0xFF);
  }
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }

}  // namespace voz::text
