// The reading cases, shared by the unit test of our reader and by the test
// that runs them through Windows' GetPrivateProfileStringW (under Wine).
// Files are GBK bytes unless marked UTF-16LE. Expected results are what
// Windows returns; `wineAgrees` is false on the rows where Wine reads
// differently, which the Windows test skips.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/IniEncoding.h"
#include "platform/text/Encoding.h"

namespace voz::ini::testing {

enum class FileForm {
  kBytes,    // `file` is the file's bytes
  kUtf16Le,  // `file` is UTF-8 text; the file is FF FE and that text in UTF-16LE
  kMissing,  // there is no file
};

struct IniReadCase {
  const char* name;
  FileForm form;
  std::string_view file;
  std::string_view section;  // UTF-8
  std::string_view key;      // UTF-8
  std::string_view expected; // UTF-8
  bool wineAgrees;
};

inline std::string FileBytes(const IniReadCase& c) {
  if (c.form == FileForm::kUtf16Le) return std::string(kUtf16LeMark) + UnitsToBytes(text::Utf8ToUtf16(c.file));
  return std::string(c.file);
}

// GBK bytes used below: 参数 B2CE CAFD, 左边 D7F3 B1DF, 乚 815D, 乗 815C,
// 乕 815B, 癆 B041, 癮 B061, full-width Ａ A3C1, Greek Α A6A1, ideographic
// space A1A1; 80 is €, FF is U+F8F5.
inline std::vector<IniReadCase> IniReadCases() {
  using namespace std::string_view_literals;
  using F = FileForm;
  return {
      {"plain GBK", F::kBytes, "[\xB2\xCE\xCA\xFD]\r\n\xD7\xF3\xB1\xDF=120\r\n", "参数", "左边", "120", true},
      {"ASCII case ignored", F::kBytes, "[Main]\r\nLeft=1\r\n", "mAIN", "LEFT", "1", true},
      {"LF line endings", F::kBytes, "[a]\nk=v\n", "a", "k", "v", true},
      {"last line without ending", F::kBytes, "[a]\r\nk=v", "a", "k", "v", true},
      {"blanks around lines, names and values", F::kBytes, " \t[ a \v]\t\r\n \t k \v=\t v \v \r\n", "a", "k", "v",
       true},
      {"inner blanks kept", F::kBytes, "[a b]\r\nk 1= x  y \r\n", "a b", "k 1", "x  y", true},
      {"spaces around the arguments", F::kBytes, "[a]\r\nk=v\r\n", " a ", " k  ", "v", true},
      {"tab around an argument", F::kBytes, "[a]\r\nk=v\r\n", "a", "\tk", "", false},
      {"ideographic space is no blank", F::kBytes, "[a]\r\nk=\xA1\xA1v\r\n", "a", "k", "\u3000v", true},
      {"first '=' splits", F::kBytes, "[a]\r\nk=b=c\r\n", "a", "k", "b=c", true},
      {"empty key name", F::kBytes, "[a]\r\n=v\r\n", "a", "", "v", true},
      {"empty value is no missing key", F::kBytes, "[a]\r\nk=\r\nk=v\r\n", "a", "k", "", true},
      {"first key wins", F::kBytes, "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1", true},
      {"first section wins", F::kBytes, "[a]\r\nx=1\r\n[b]\r\n[A]\r\nx=2\r\ny=3\r\n", "a", "x", "1", true},
      {"keys of a repeated section unseen", F::kBytes, "[a]\r\nx=1\r\n[b]\r\n[A]\r\nx=2\r\ny=3\r\n", "a", "y", "",
       true},
      {"line without '='", F::kBytes, "[a]\r\nk\r\n", "a", "k", "", true},
      {"comment line", F::kBytes, "[a]\r\n;k=v\r\n", "a", ";k", "", false},
      {"'#' starts no comment", F::kBytes, "[a]\r\n#k=v\r\n", "a", "#k", "v", true},
      {"no comment after a value", F::kBytes, "[a]\r\nk=v ;c\r\n", "a", "k", "v ;c", true},
      {"key above the first section", F::kBytes, "k=v\r\n[a]\r\n", "", "k", "", false},
      {"header ends at the first ']'", F::kBytes, "[a]b]\r\nk=v\r\n", "a", "k", "v", false},
      {"text after ']' ignored", F::kBytes, "[a] x\r\nk=v\r\n", "a", "k", "v", true},
      {"header without ']'", F::kBytes, "[a \r\nk=v\r\n", "a", "k", "v", false},
      // Wine looks for section "" above the first header.
      {"empty section name", F::kBytes, "[]\r\nk=v\r\n", "", "k", "v", false},
      {"'=' in a section name", F::kBytes, "[a=b]\r\nk=v\r\n", "a=b", "k", "v", true},
      {"quotes stripped, inner blanks kept", F::kBytes, "[a]\r\nk= \" a \" \r\n", "a", "k", " a ", true},
      {"one pair of quotes only", F::kBytes, "[a]\r\nk=\"\"x\"\"\r\n", "a", "k", "\"x\"", true},
      {"single quotes", F::kBytes, "[a]\r\nk='x'\r\n", "a", "k", "x", true},
      {"unlike quotes kept", F::kBytes, "[a]\r\nk=\"x'\r\n", "a", "k", "\"x'", true},
      {"open quote kept", F::kBytes, "[a]\r\nk=\"x\r\n", "a", "k", "\"x", true},
      {"lone quote kept", F::kBytes, "[a]\r\nk=\"\r\n", "a", "k", "\"", true},
      {"empty quotes", F::kBytes, "[a]\r\nk=\"\"\r\n", "a", "k", "", true},
      {"GBK ']' trail byte in a header", F::kBytes, "[\x81\x5D" "x]\r\nk=v\r\n", "乚x", "k", "v", true},
      {"GBK trail 'a' not folded", F::kBytes, "[a]\r\n\xB0\x41=1\r\n\xB0\x61=2\r\n", "a", "癮", "2", true},
      {"GBK trail 'A' not folded", F::kBytes, "[a]\r\n\xB0\x61=2\r\n\xB0\x41=1\r\n", "a", "癆", "1", true},
      {"full-width letters not folded", F::kBytes, "[a]\r\n\xA3\xC1=1\r\n", "a", "ａ", "", true},
      {"Greek letters not folded", F::kBytes, "[a]\r\n\xA6\xA1=1\r\n", "a", "α", "", true},
      {"GBK '\\' and '[' trail bytes", F::kBytes, "[\x81\x5C]\r\n\x81\x5B=\x81\x5C\r\n", "乗", "乕", "乗", true},
      {"lead byte swallows '='", F::kBytes, "[a]\r\nk\x81=v\r\n", "a", "k", "", true},
      {"single bytes 80 and FF", F::kBytes, "[a]\r\nk=\x80\xFF\r\n", "a", "k", "€\uF8F5", true},
      {"lone CR ends no line", F::kBytes, "[a]\r\nk=v\rj=w\r\n", "a", "j", "", false},
      {"UTF-8 mark spoils a first-line header", F::kBytes, "\xEF\xBB\xBF[a]\r\nk=v\r\n", "a", "k", "", false},
      {"UTF-8 mark before a blank line", F::kBytes, "\xEF\xBB\xBF\r\n[a]\r\nk=v\r\n", "a", "k", "v", true},
      {"UTF-16BE mark not recognised", F::kBytes, "\xFE\xFF\0[\0a\0]\0\r\0\n\0k\0=\0v\0\r\0\n"sv, "a", "k", "",
       false},
      {"UTF-16LE file", F::kUtf16Le, "[参数]\r\n键=值\r\n", "参数", "键", "值", true},
      {"UTF-16LE blanks, case and quotes", F::kUtf16Le, " [ Main ]\r\n\tLeft = \"1 \" \r\n", "main", "left", "1 ",
       true},
      {"missing section", F::kBytes, "[a]\r\nk=v\r\n", "b", "k", "", true},
      {"missing key", F::kBytes, "[a]\r\nk=v\r\n", "a", "x", "", true},
      {"empty file", F::kBytes, "", "a", "k", "", true},
      {"missing file", F::kMissing, "", "a", "k", "", true},
  };
}

}  // namespace voz::ini::testing
