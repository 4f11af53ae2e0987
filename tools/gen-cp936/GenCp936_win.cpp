// Writes platform/text/Cp936Tables.h from the code page 936 conversion of the
// Windows it runs on (Wine 8.0 is the reference), so that our portable GBK
// conversion reproduces it exactly. See regenerate.sh for how to run it.
//
// The portable converter models Windows' behaviour in a few rules (single
// bytes, lead bytes, the trail bytes that form a pair, what an invalid pair
// gives); this program checks every one of those rules against the whole
// code space first and writes nothing if one does not hold.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT kCodePage = 936;
constexpr int kLeadCount = 0xFE - 0x81 + 1;
constexpr int kTrailCount = 190;  // 0x40..0x7E and 0x80..0xFE

bool IsLead(int b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrail(int b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

std::wstring Decode(const std::string& bytes) {
  wchar_t out[8];
  const int n = MultiByteToWideChar(kCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), out, 8);
  return std::wstring(out, n > 0 ? n : 0);
}

std::string Encode(wchar_t unit) {
  char out[8];
  const int n = WideCharToMultiByte(kCodePage, 0, &unit, 1, out, 8, nullptr, nullptr);
  return std::string(out, n > 0 ? n : 0);
}

int failures = 0;

void Fail(const char* what, unsigned code) {
  if (++failures <= 20) std::fprintf(stderr, "gen-cp936: %s (0x%04X)\n", what, code);
}

// Characters other than CJK ideographs are written as escapes, so the file
// shows no invisible private-use characters and no character an editor might
// normalise (compatibility ideographs, the ideographic space).
bool WriteLiterally(wchar_t c) { return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF); }

void AppendUtf8(std::string& out, wchar_t c) {
  out.push_back(static_cast<char>(0xE0 | (c >> 12)));
  out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

std::string Hex(unsigned v, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%0*X", digits, v);
  return buf;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen-cp936 OUTPUT.h\n");
    return 2;
  }

  // Single bytes: ASCII is itself, a lead byte alone is '?', and 0x80 and
  // 0xFF are the only other single-byte characters.
  std::wstring single[256];
  for (int b = 0; b < 256; ++b) {
    single[b] = Decode(std::string(1, static_cast<char>(b)));
    if (single[b].size() != 1) Fail("a single byte does not give one character", b);
  }
  for (int b = 0; b < 0x80; ++b)
    if (single[b] != std::wstring(1, static_cast<wchar_t>(b))) Fail("ASCII byte is not itself", b);
  for (int b = 0x81; b <= 0xFE; ++b)
    if (single[b] != L"?") Fail("lone lead byte is not '?'", b);
  if (single[0x80][0] == L'?' || single[0xFF][0] == L'?') Fail("0x80 or 0xFF has no character", 0);

  // Pairs. A lead byte followed by NUL gives '?' and leaves the NUL; by a
  // trail byte, one character; by any other byte, one '?' for both bytes.
  // Any other first byte stands alone.
  std::vector<std::vector<wchar_t>> table(kLeadCount);
  for (int lead = 0; lead < 256; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const unsigned code = lead << 8 | trail;
      const std::wstring got = Decode({static_cast<char>(lead), static_cast<char>(trail)});
      if (!IsLead(lead)) {
        if (got != single[lead] + single[trail]) Fail("a non-lead byte does not stand alone", code);
      } else if (trail == 0) {
        if (got != std::wstring(L"?") + L'\0') Fail("lead byte + NUL is not '?' NUL", code);
      } else if (!IsTrail(trail)) {
        if (got != L"?") Fail("lead byte + non-trail byte is not one '?'", code);
      } else if (got.size() != 1 || got[0] == L'?' || (got[0] >= 0xD800 && got[0] <= 0xDFFF) ||
                 got[0] < 0x80) {
        Fail("a two-byte code has no character of its own", code);
      } else {
        table[lead - 0x81].push_back(got[0]);
      }
    }
  }

  // The reverse direction: Gbk.cpp inverts the decoding table (it needs every
  // decoded character to be unique) and then applies the one-way best-fit
  // mappings listed here; everything else becomes '?'.
  std::map<wchar_t, unsigned> inverse;
  for (int b = 0; b < 256; ++b)
    if (!IsLead(b)) inverse[single[b][0]] = b;
  for (int l = 0; l < kLeadCount; ++l) {
    for (int t = 0, trail = 0x40; trail <= 0xFE; ++trail) {
      if (!IsTrail(trail)) continue;
      const wchar_t c = table[l][t++];
      if (!inverse.emplace(c, (0x81 + l) << 8 | trail).second) Fail("two codes decode alike", c);
    }
  }
  std::vector<std::pair<wchar_t, unsigned>> bestFit;
  for (unsigned u = 0; u <= 0xFFFF; ++u) {
    const std::string got = Encode(static_cast<wchar_t>(u));
    unsigned code = 0;
    if (got.size() == 1) {
      code = static_cast<unsigned char>(got[0]);
      if (IsLead(code)) Fail("a character becomes a lone lead byte", u);
    } else if (got.size() == 2) {
      code = static_cast<unsigned char>(got[0]) << 8 | static_cast<unsigned char>(got[1]);
      if (!IsLead(code >> 8) || !IsTrail(code & 0xFF)) Fail("a character becomes an invalid pair", u);
    } else {
      Fail("a character does not become one or two bytes", u);
      continue;
    }
    const auto it = inverse.find(static_cast<wchar_t>(u));
    const unsigned expected = it == inverse.end() ? '?' : it->second;
    if (code != expected) {
      if (it != inverse.end()) Fail("a decodable character does not round-trip", u);
      bestFit.emplace_back(static_cast<wchar_t>(u), code);
    }
  }
  if (failures > 0) {
    std::fprintf(stderr, "gen-cp936: %d rules do not hold; nothing written\n", failures);
    return 1;
  }

  std::string s;
  s += "// Code page 936 (GBK) as Windows converts it. Generated by tools/gen-cp936\n"
       "// from Wine 8.0's MultiByteToWideChar and WideCharToMultiByte; do not edit.\n"
       "// To regenerate: tools/gen-cp936/regenerate.sh BUILD_DIR (a MinGW build folder).\n"
       "#pragma once\n\n"
       "#include <cstdint>\n\n"
       "namespace voz::text::cp936 {\n\n"
       "// The single bytes above ASCII that are characters of their own.\n";
  s += "inline constexpr char16_t kByte80 = " + Hex(single[0x80][0], 4) + ";\n";
  s += "inline constexpr char16_t kByteFF = " + Hex(single[0xFF][0], 4) + ";\n\n";
  s += "// kDoubleByte[lead - 0x81][trail index]: the character of each two-byte code,\n"
       "// trail bytes 0x40..0x7E then 0x80..0xFE.\n"
       "inline constexpr int kTrailCount = " + std::to_string(kTrailCount) + ";\n"
       "inline constexpr char16_t kDoubleByte[" + std::to_string(kLeadCount) + "][kTrailCount + 1] = {\n";
  for (int l = 0; l < kLeadCount; ++l) {
    s += "    // " + Hex(0x81 + l, 2) + "\n";
    // Lines of trail bytes 0x40..0x7E, 0x80..0xBF and 0xC0..0xFE.
    const int breaks[] = {0, 63, 127, kTrailCount};
    for (int part = 0; part < 3; ++part) {
      s += part == 0 ? "    {u\"" : "     u\"";
      for (int t = breaks[part]; t < breaks[part + 1]; ++t) {
        const wchar_t c = table[l][t];
        if (WriteLiterally(c)) {
          AppendUtf8(s, c);
        } else {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%04X", static_cast<unsigned>(c));
          s += buf;
        }
      }
      s += part == 2 ? "\"},\n" : "\"\n";
    }
  }
  s += "};\n\n";
  s += "// Characters that WideCharToMultiByte maps to a code that decodes to another\n"
       "// character (best fit). Sorted by character.\n"
       "struct BestFit {\n  char16_t character;\n  std::uint16_t code;  // one byte when below 0x100\n};\n"
       "inline constexpr BestFit kBestFit[] = {\n";
  for (size_t i = 0; i < bestFit.size(); ++i) {
    s += (i % 6 == 0) ? "    " : " ";
    s += "{" + Hex(bestFit[i].first, 4) + ", " + Hex(bestFit[i].second, bestFit[i].second > 0xFF ? 4 : 2) + "},";
    if (i % 6 == 5 || i + 1 == bestFit.size()) s += "\n";
  }
  s += "};\n\n}  // namespace voz::text::cp936\n";

  FILE* f = _wfopen(argv[1], L"wb");
  if (!f || std::fwrite(s.data(), 1, s.size(), f) != s.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "gen-cp936: cannot write the output file\n");
    return 1;
  }
  std::printf("gen-cp936: %d two-byte codes, %zu best-fit mappings\n", kLeadCount * kTrailCount,
              bestFit.size());
  return 0;
}
