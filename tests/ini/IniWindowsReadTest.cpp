// Runs the reading cases through Windows' own GetPrivateProfileStringW, to
// show that the expectations of our reader's test are what Windows does.
// Under Wine only the rows where Wine reads as Windows are run.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/text/Encoding.h"
#include "tests/ini/IniReadCases.h"

namespace voz::ini {
namespace {

std::wstring Wide(std::string_view utf8) {
  const std::u16string units = text::Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Utf8(const wchar_t* wide, size_t length) {
  return text::Utf16ToUtf8(std::u16string(wide, wide + length));
}

bool HasHighBytes(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

TEST(IniWindowsRead, WindowsReadsTheCasesAsExpected) {
  namespace stdfs = std::filesystem;
  const stdfs::path folder = stdfs::temp_directory_path() / "voz-ini-windows-test";
  stdfs::create_directories(folder);
  const stdfs::path file = folder / "case.ini";
  const std::u8string u8 = file.u8string();
  const std::string path(u8.begin(), u8.end());
  const std::wstring widePath = file.wstring();
  // GBK files are read in the ANSI code page.
  const bool gbkCodePage = GetACP() == 936;
  int run = 0;
  int skipped = 0;

  for (const auto& c : testing::IniReadCases()) {
    SCOPED_TRACE(c.name);
    const std::string bytes = testing::FileBytes(c);
    if (!c.wineAgrees || (c.form == testing::FileForm::kBytes && HasHighBytes(bytes) && !gbkCodePage)) {
      ++skipped;
      continue;
    }
    files::RealFileSystem().Remove(path);
    if (c.form != testing::FileForm::kMissing) {
      ASSERT_TRUE(files::WriteFileAtomically(files::RealFileSystem(), path, bytes));
    }
    std::vector<wchar_t> buffer(4096);
    const DWORD length = GetPrivateProfileStringW(Wide(c.section).c_str(), Wide(c.key).c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), widePath.c_str());
    EXPECT_EQ(Utf8(buffer.data(), length), c.expected);
    ++run;
  }
  stdfs::remove_all(folder);
  std::printf("%d cases run through GetPrivateProfileStringW, %d skipped%s\n", run, skipped,
              gbkCodePage ? "" : " (GBK rows need code page 936: LC_ALL=zh_CN.UTF-8 under Wine)");
  EXPECT_GT(run, 0);
}

}  // namespace
}  // namespace voz::ini
