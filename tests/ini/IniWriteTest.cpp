#include <gtest/gtest.h>

#include <optional>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"
#include "platform/text/Encoding.h"

namespace voz::ini {
namespace {

using namespace std::string_view_literals;

const std::string kPath = "/p/参数.ini";

std::string Utf16File(std::string_view utf8) {
  return std::string(kUtf16LeMark) + UnitsToBytes(text::Utf8ToUtf16(utf8));
}

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // none: no file
  std::string_view section, key, value;
  IniWriteStatus status;
  std::string after;  // for kRefused and kUnchanged: ignored, the file must not change
};

TEST(IniWrite, ProducesTheExactBytes) {
  const std::string common = "[a]\r\nk=1\r\n";
  const WriteCase cases[] = {
      {"new file", std::nullopt, "参数", "左边", "120", IniWriteStatus::kWritten,
       "[\xB2\xCE\xCA\xFD]\r\n\xD7\xF3\xB1\xDF=120\r\n"},
      {"names trimmed, value verbatim", std::nullopt, " a ", " k ", " v ", IniWriteStatus::kWritten,
       "[a]\r\nk= v \r\n"},
      {"changed in place with the file's spelling", "[Main]\r\n  Left = 1 \r\nTop=2\r\n", "main", "LEFT", "2",
       IniWriteStatus::kWritten, "[Main]\r\nLeft=2\r\nTop=2\r\n"},
      {"only the key a reader gets", "[a]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n", "a", "k", "9", IniWriteStatus::kWritten,
       "[a]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n"},
      {"new key after the section's last entry", "[a]\r\nx=1\r\n;c\r\n\r\n[b]\r\ny=2\r\n[a]\r\nz=3\r\n", "a", "z",
       "4", IniWriteStatus::kWritten, "[a]\r\nx=1\r\nz=4\r\n;c\r\n\r\n[b]\r\ny=2\r\n[a]\r\nz=3\r\n"},
      {"new key in a section without entries", "[a]\r\n; note\r\n[b]\r\n", "a", "k", "v", IniWriteStatus::kWritten,
       "[a]\r\nk=v\r\n; note\r\n[b]\r\n"},
      {"new key after a line without ending", "[a]\r\nx=1", "a", "k", "v", IniWriteStatus::kWritten,
       "[a]\r\nx=1\r\nk=v\r\n"},
      {"new section at the end", "[a]\r\nx=1\r\n", "b", "k", "v", IniWriteStatus::kWritten,
       "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
      {"new section after a line without ending", "[a]\r\nx=1", "b", "k", "v", IniWriteStatus::kWritten,
       "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
      {"empty file", "", "a", "k", "v", IniWriteStatus::kWritten, "[a]\r\nk=v\r\n"},
      {"LF endings kept around a changed line", "[a]\nx=1\ny=2\n", "a", "x", "9", IniWriteStatus::kWritten,
       "[a]\nx=9\r\ny=2\n"},
      {"empty value", common, "a", "k", "", IniWriteStatus::kWritten, "[a]\r\nk=\r\n"},
      {"quotes written as given", common, "a", "k", "\" x \"", IniWriteStatus::kWritten, "[a]\r\nk=\" x \"\r\n"},
      {"empty section name", common, "", "k", "v", IniWriteStatus::kWritten, "[a]\r\nk=1\r\n[]\r\nk=v\r\n"},
      {"a key above the first section is in none", "k=1\r\n[a]\r\n", "", "k", "2", IniWriteStatus::kWritten,
       "k=1\r\n[a]\r\n[]\r\nk=2\r\n"},
      {"header spoilt by a UTF-8 mark", "\xEF\xBB\xBF[a]\r\nk=1\r\n", "a", "k", "2", IniWriteStatus::kWritten,
       "\xEF\xBB\xBF[a]\r\nk=1\r\n[a]\r\nk=2\r\n"},
      {"GBK names found and kept", "[\x81\x5D]\r\nK\xB0\x41=1\r\n", "乚", "k癆", "2", IniWriteStatus::kWritten,
       "[\x81\x5D]\r\nK\xB0\x41=2\r\n"},
      {"character GBK lacks written as '?'", common, "a", "k", "x\u0E01y", IniWriteStatus::kWritten,
       "[a]\r\nk=x?y\r\n"},
      {"UTF-16LE new key", Utf16File("[a]\r\nk=1\r\n"), "a", "n", "值", IniWriteStatus::kWritten,
       Utf16File("[a]\r\nk=1\r\nn=值\r\n")},
      {"UTF-16LE new section after an LF line", Utf16File("[a]\r\n K = 1\n"), "b", "k", "\U0001F600",
       IniWriteStatus::kWritten, Utf16File("[a]\r\n K = 1\n[b]\r\nk=\U0001F600\r\n")},
      {"UTF-16LE stray odd byte at the end dropped", Utf16File("[a]\r\nk=1") + "\x01", "a", "n", "2",
       IniWriteStatus::kWritten, Utf16File("[a]\r\nk=1\r\nn=2\r\n")},
      {"UTF-16LE keeps every character", Utf16File("[a]\r\nk=1\r\n"), "\u0E01", "\u0E01", "\u0E01",
       IniWriteStatus::kWritten, Utf16File("[a]\r\nk=1\r\n[\u0E01]\r\n\u0E01=\u0E01\r\n")},

      {"same value", "[a]\r\n k = v \r\n", "a", "k", "v", IniWriteStatus::kUnchanged, ""},
      {"same value as read through quotes", "[a]\r\nk=\"v\"\r\n", "A", "K", "v", IniWriteStatus::kUnchanged, ""},
      {"same value with other blanks", common, "a", "k", " 1\t", IniWriteStatus::kUnchanged, ""},

      {"CR in the value", common, "a", "k", "x\ry", IniWriteStatus::kRefused, ""},
      {"LF in the key", common, "a", "k\nj", "v", IniWriteStatus::kRefused, ""},
      {"LF in the section", common, "a\nb", "k", "v", IniWriteStatus::kRefused, ""},
      {"NUL in the value", common, "a", "k", "x\0y"sv, IniWriteStatus::kRefused, ""},
      {"']' in the section", common, "a]b", "k", "v", IniWriteStatus::kRefused, ""},
      {"'=' in the key", common, "a", "k=j", "v", IniWriteStatus::kRefused, ""},
      {"key would be a comment", common, "a", ";k", "v", IniWriteStatus::kRefused, ""},
      {"key would be a header", common, "a", "[k", "v", IniWriteStatus::kRefused, ""},
      {"tab at the edge of a key", common, "a", "k\t", "v", IniWriteStatus::kRefused, ""},
      {"tab at the edge of a section", common, "\ta", "k", "v", IniWriteStatus::kRefused, ""},
      {"key GBK lacks", common, "a", "\u0E01", "v", IniWriteStatus::kRefused, ""},
      {"section GBK lacks, new file", std::nullopt, "\u0E01", "k", "v", IniWriteStatus::kRefused, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    files::MemoryFileSystem fs;
    if (c.before) fs.files[kPath] = *c.before;
    IniFiles ini(fs);
    EXPECT_EQ(ini.WriteItem(kPath, c.section, c.key, c.value), c.status);
    if (c.status == IniWriteStatus::kWritten) {
      EXPECT_EQ(fs.files[kPath], c.after);
      // The cached copy reads what a fresh reader reads.
      files::MemoryFileSystem copy;
      copy.files[kPath] = fs.files[kPath];
      EXPECT_EQ(ini.Read(kPath, c.section, c.key), IniFiles(copy).Read(kPath, c.section, c.key));
    } else {
      EXPECT_EQ(fs.steps, 0) << "the file was touched";
      EXPECT_EQ(fs.files.count(kPath), c.before ? 1u : 0u);
      if (c.before) {
        EXPECT_EQ(fs.files[kPath], *c.before);
      }
    }
    EXPECT_EQ(fs.files.size(), c.status == IniWriteStatus::kWritten || c.before ? 1u : 0u) << "stray file";
  }
}

// Untouched lines keep their bytes: invalid GBK, trail bytes that look like
// ']' 'A' 'a', LF-only and missing endings, comments and odd spacing.
TEST(IniWrite, KeepsEveryUntouchedByte) {
  const std::string lines[] = {
      "; \xB2\xCE\xCA\xFD settings \t\r\n",                // comment
      "junk above\n",                                    // no key, LF only
      "  [\xB2\xCE\xCA\xFD]   ; after the header\r\n",     // [参数]
      "  \x81\x5D\xB0\x41 =  \xB0\x61 \t\r\n",             // 乚癆 = 癮
      "bad=\x81\x20\xFF\x80\xFE\r\n",                      // invalid GBK
      "lone\rcr = 1\n",                                  // a lone CR inside a line
      "\r\n",                                            // blank
      "[Other]\n",                                       //
      "x = y\n",                                         //
      "last=without ending",                             //
  };
  std::string before;
  for (const auto& line : lines) before += line;
  files::MemoryFileSystem fs;
  fs.files[kPath] = before;
  IniFiles ini(fs);
  EXPECT_EQ(ini.Read(kPath, "参数", "乚癆"), "癮");
  EXPECT_EQ(ini.Read(kPath, "参数", "lone\rcr"), "1");

  ASSERT_TRUE(ini.Write(kPath, "参数", "乚癆", "新"));  // 新 D0C2
  ASSERT_TRUE(ini.Write(kPath, "参数", "added", "1"));
  ASSERT_TRUE(ini.Write(kPath, "other", "LAST", "2"));
  ASSERT_TRUE(ini.Write(kPath, "more", "k", "v"));
  const std::string after = lines[0] + lines[1] + lines[2] + "\x81\x5D\xB0\x41=\xD0\xC2\r\n" + lines[4] + lines[5] +
                            "added=1\r\n" + lines[6] + lines[7] + lines[8] + "last=2\r\n" + "[more]\r\nk=v\r\n";
  EXPECT_EQ(fs.files[kPath], after);
}

TEST(IniWrite, FailuresKeepTheOldFileAndItsValues) {
  struct Case {
    const char* name;
    void (*arrange)(files::MemoryFileSystem&);
  };
  const Case cases[] = {
      {"read-only file", [](files::MemoryFileSystem& fs) { fs.readOnly.insert(kPath); }},
      {"missing folder", [](files::MemoryFileSystem& fs) { fs.missingFolders.insert("/p/"); }},
      {"disk full", [](files::MemoryFileSystem& fs) { fs.capacity = 12; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    files::MemoryFileSystem fs;
    fs.files[kPath] = "[a]\r\nk=1\r\n";
    IniFiles ini(fs);
    EXPECT_EQ(ini.Read(kPath, "a", "k"), "1");
    c.arrange(fs);
    EXPECT_EQ(ini.WriteItem(kPath, "a", "k", "a longer value"), IniWriteStatus::kFailed);
    EXPECT_FALSE(ini.Write(kPath, "b", "k", "v"));
    EXPECT_EQ(fs.files[kPath], "[a]\r\nk=1\r\n");
    EXPECT_EQ(fs.files.size(), 1u) << "temporary file left behind";
    EXPECT_EQ(ini.Read(kPath, "a", "k"), "1");
    EXPECT_EQ(ini.Read(kPath, "b", "k"), "");
  }
}

TEST(IniWrite, NoNewFileInAMissingFolder) {
  files::MemoryFileSystem fs;
  fs.missingFolders.insert("/gone/");
  IniFiles ini(fs);
  EXPECT_EQ(ini.WriteItem("/gone/a.ini", "a", "k", "v"), IniWriteStatus::kFailed);
  EXPECT_TRUE(fs.files.empty());
  EXPECT_EQ(ini.Read("/gone/a.ini", "a", "k"), "");
}

TEST(IniWrite, ACrashAtAnyStepLeavesTheOldOrTheNewFile) {
  const std::string old = "[a]\r\nk=1\r\n";
  const std::string next = "[a]\r\nk=2\r\n";
  for (int step = 0; step < 4; ++step) {
    for (size_t partial : {size_t{0}, size_t{3}, next.size() - 1}) {
      SCOPED_TRACE(testing::Message() << "step " << step << ", " << partial << " bytes");
      files::MemoryFileSystem fs;
      fs.files[kPath] = old;
      IniFiles ini(fs);
      EXPECT_EQ(ini.Read(kPath, "a", "k"), "1");
      fs.crashAtStep = step;
      fs.crashPartialBytes = partial;
      const bool written = ini.Write(kPath, "a", "k", "2");
      fs.Reboot();
      const std::string now = fs.files[kPath];
      EXPECT_TRUE(now == old || now == next) << "left '" << now << "'";
      if (written) {
        EXPECT_EQ(now, next);
      }
      // After the reboot a new reader and the old one agree with the disk.
      const std::string value = now == next ? "2" : "1";
      EXPECT_EQ(IniFiles(fs).Read(kPath, "a", "k"), value);
      EXPECT_EQ(ini.Read(kPath, "a", "k"), value);
    }
  }
}

}  // namespace
}  // namespace voz::ini
