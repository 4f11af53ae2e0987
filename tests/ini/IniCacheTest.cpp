#include <gtest/gtest.h>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"

namespace voz::ini {
namespace {

using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

const std::string kPath = "/p/a.ini";

// A clock the test moves by hand.
struct FakeClock {
  TimePoint now{};
  IniFiles::Options Options(milliseconds recheckAfter) {
    return {recheckAfter, [this] { return now; }};
  }
};

TEST(IniCache, ReadsOnceAndSeesChangesOfSizeOrTime) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[a]\r\nx=1\r\ny=2\r\n";
  FakeClock clock;
  IniFiles ini(fs, clock.Options(milliseconds(0)));
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "1");
  EXPECT_EQ(ini.Read(kPath, "a", "y"), "2");
  EXPECT_EQ(fs.reads, 1);

  fs.WriteDurable(kPath, "[a]\r\nx=3\r\ny=4\r\n");  // same size, new time
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "3");
  fs.files[kPath] = "[a]\r\nx=55\r\n";  // new size, same time
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "55");
  fs.files.erase(kPath);
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "");
  fs.files[kPath] = "[a]\r\nx=6\r\n";
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "6");
  EXPECT_EQ(fs.reads, 4);
}

TEST(IniCache, TrustsACheckForTheRecheckInterval) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[a]\r\nx=1\r\n";
  FakeClock clock;
  IniFiles ini(fs, clock.Options(milliseconds(5)));
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "1");
  fs.WriteDurable(kPath, "[a]\r\nx=22\r\n");  // behind its back
  clock.now += milliseconds(4);
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "1");
  clock.now += milliseconds(1);
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "22");
  EXPECT_EQ(fs.reads, 2);
}

TEST(IniCache, OwnWritesAreSeenAtOnceByEveryReader) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[a]\r\nx=1\r\n";
  FakeClock clock;  // never moves: only writes can make a reader look again
  IniFiles writer(fs, clock.Options(milliseconds(5)));
  IniFiles reader(fs, clock.Options(milliseconds(5)));
  EXPECT_EQ(writer.Read(kPath, "a", "x"), "1");
  EXPECT_EQ(reader.Read(kPath, "a", "x"), "1");
  ASSERT_TRUE(writer.Write(kPath, "a", "x", "2"));
  const int readsAfterWrite = fs.reads;
  EXPECT_EQ(writer.Read(kPath, "a", "x"), "2");
  EXPECT_EQ(fs.reads, readsAfterWrite) << "the writer parses what it wrote";
  EXPECT_EQ(reader.Read(kPath, "a", "x"), "2");
}

TEST(IniCache, WritesStartFromTheFileNotFromATrustedCopy) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[a]\r\nx=1\r\n";
  FakeClock clock;
  IniFiles ini(fs, clock.Options(milliseconds(5)));
  EXPECT_EQ(ini.Read(kPath, "a", "x"), "1");
  fs.WriteDurable(kPath, "[a]\r\nx=1\r\ny=other program\r\n");
  ASSERT_TRUE(ini.Write(kPath, "a", "z", "3"));
  EXPECT_EQ(fs.files[kPath], "[a]\r\nx=1\r\ny=other program\r\nz=3\r\n");
  EXPECT_EQ(ini.Read(kPath, "a", "y"), "other program");
}

}  // namespace
}  // namespace voz::ini
