// UTF-8 <-> UTF-16, with U+FFFD for every ill-formed sequence (maximal
// subpart rule, as the Unicode standard recommends).
#include "platform/text/Encoding.h"

namespace voz::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `i`, advancing it; ill-formed input gives
// U+FFFD and advances past the maximal valid prefix (at least one byte).
char32_t DecodeUtf8(std::string_view s, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = 0;
  char32_t cp = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    ++i;
    return kReplacement;
  }
  size_t k = i + 1;
  for (int n = 1; n < length; ++n, ++k) {
    if (k >= s.size()) {
      i = k;
      return kReplacement;
    }
    const unsigned char b = byte(k);
    if (b < low || b > high) {
      i = k;
      return kReplacement;
    }
    low = 0x80;
    high = 0xBF;
    cp = (cp << 6) | (b & 0x3F);
  }
  i = k;
  return cp;
}

// Writes one code point as UTF-8 at p, returning the end.
char* PutUtf8(char* p, char32_t cp) {
  if (cp < 0x80) {
    *p++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *p++ = static_cast<char>(0xC0 | (cp >> 6));
    *p++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *p++ = static_cast<char>(0xE0 | (cp >> 12));
    *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *p++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *p++ = static_cast<char>(0xF0 | (cp >> 18));
    *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *p++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return p;
}

}  // namespace

// Both directions write into a buffer sized for the worst case (one UTF-16
// unit per UTF-8 byte; three UTF-8 bytes per UTF-16 unit) and trim it.

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out(utf8.size(), u'\0');
  char16_t* p = out.data();
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      *p++ = static_cast<unsigned char>(utf8[i++]);
      continue;
    }
    const char32_t cp = DecodeUtf8(utf8, i);
    if (cp >= 0x10000) {
      const char32_t v = cp - 0x10000;
      *p++ = static_cast<char16_t>(0xD800 | (v >> 10));
      *p++ = static_cast<char16_t>(0xDC00 | (v & 0x3FF));
    } else {
      *p++ = static_cast<char16_t>(cp);
    }
  }
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out(utf16.size() * 3, '\0');
  char* p = out.data();
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    p = PutUtf8(p, cp);
  }
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t start = i;
    const char32_t cp = DecodeUtf8(bytes, i);
    if (cp == kReplacement) {
      // A literal U+FFFD is three bytes EF BF BD; anything else was repaired.
      if (i - start != 3 || bytes.substr(start, 3) != "\xEF\xBF\xBD") return false;
    }
  }
  return true;
}

}  // namespace voz::text
