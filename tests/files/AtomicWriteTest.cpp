#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/FileSystem.h"
#include "platform/files/MemoryFileSystem.h"

namespace voz::files {
namespace {

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
  MemoryFileSystem fs;
  fs.files["/d/a.ini"] = "old";
  ASSERT_TRUE(WriteFileAtomically(fs, "/d/a.ini", "new contents"));
  EXPECT_EQ(fs.files["/d/a.ini"], "new contents");
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST(AtomicWrite, FailuresKeepTheOldFile) {
  struct Case {
    const char* name;
    void (*arrange)(MemoryFileSystem&);
  };
  const Case cases[] = {
      {"read-only", [](MemoryFileSystem& fs) { fs.readOnly.insert("/d/a.ini"); }},
      {"missing folder", [](MemoryFileSystem& fs) { fs.missingFolders.insert("/d/"); }},
      {"disk full", [](MemoryFileSystem& fs) { fs.capacity = 8; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    fs.files["/d/a.ini"] = "old";
    c.arrange(fs);
    EXPECT_FALSE(WriteFileAtomically(fs, "/d/a.ini", "a much longer new text"));
    EXPECT_EQ(fs.files["/d/a.ini"], "old");
    EXPECT_EQ(fs.files.size(), 1u) << "temporary file left behind";
  }
}

TEST(AtomicWrite, ACrashAtAnyStepLeavesTheOldOrTheNewFile) {
  const std::string next = "the new contents of the file";
  for (int step = 0; step < 3; ++step) {
    for (size_t partial : {size_t{0}, size_t{1}, next.size() / 2, next.size() - 1}) {
      MemoryFileSystem fs;
      fs.files["/d/a.ini"] = "old";
      fs.crashAtStep = step;
      fs.crashPartialBytes = partial;
      const bool written = WriteFileAtomically(fs, "/d/a.ini", next);
      fs.Reboot();
      const std::string& now = fs.files["/d/a.ini"];
      EXPECT_TRUE(now == "old" || now == next) << "step " << step << " left '" << now << "'";
      if (written) {
        EXPECT_EQ(now, next);
      }
    }
  }
}

// The real file system of the machine the tests run on (Linux or Wine).
TEST(RealFileSystem, WritesReadsAndRefusesReadOnlyFiles) {
  namespace stdfs = std::filesystem;
  const stdfs::path folder = stdfs::temp_directory_path() / "voz-files-test";
  stdfs::remove_all(folder);
  stdfs::create_directories(folder);
  const stdfs::path file = folder / stdfs::path(u8"设置.ini");
  const std::u8string u8 = file.u8string();
  const std::string path(u8.begin(), u8.end());
  FileSystem& fs = RealFileSystem();

  EXPECT_FALSE(fs.ReadAll(path).has_value());
  ASSERT_TRUE(WriteFileAtomically(fs, path, "one"));
  ASSERT_TRUE(WriteFileAtomically(fs, path, "two\r\n"));
  EXPECT_EQ(fs.ReadAll(path).value_or(""), "two\r\n");
  EXPECT_EQ(fs.Stat(path)->size, 5u);

  stdfs::permissions(file, stdfs::perms::owner_write | stdfs::perms::group_write | stdfs::perms::others_write,
                     stdfs::perm_options::remove);
  EXPECT_TRUE(fs.IsReadOnly(path));
  EXPECT_FALSE(WriteFileAtomically(fs, path, "three"));
  EXPECT_EQ(fs.ReadAll(path).value_or(""), "two\r\n");

  EXPECT_FALSE(WriteFileAtomically(fs, path + ".d/x.ini", "x"));
  stdfs::permissions(file, stdfs::perms::owner_write, stdfs::perm_options::add);
  stdfs::remove_all(folder);
}

}  // namespace
}  // namespace voz::files
