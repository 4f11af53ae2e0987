#include <gtest/gtest.h>

#include <sstream>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tools/vozctl/Commands.h"

namespace voz::vozctl {
namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Vozctl(files::MemoryFileSystem& fs, const Args& args) {
  std::ostringstream out, err;
  const int code = RunVozctl(args, fs, out, err);
  return {code, out.str(), err.str()};
}

constexpr const char* kText =
    "field 命令类型 int16\n"
    "field 语音命令 text\n"
    "field 执行 text\n"
    "\n"
    "record\n"
    "命令类型 = 5\n"
    "语音命令 = 显示命令列表\n"
    "\n"
    "record\n"
    "语音命令 = 打开 记事本\n"
    "执行 = \\sC:\\\\Windows\\\\notepad.exe\n";

TEST(VozctlEdb, LoadThenDumpRoundTripsByteForByte) {
  files::MemoryFileSystem fs;
  fs.files["/w/lib.txt"] = kText;
  const Outcome load = Vozctl(fs, {"edb", "load", "/w/lib.txt", "/w/lib.edb"});
  ASSERT_EQ(load.code, kExitOk) << load.err;
  EXPECT_EQ(load.out, "vozctl edb load: wrote 2 records to /w/lib.edb\n");

  const Outcome dump = Vozctl(fs, {"edb", "dump", "/w/lib.edb"});
  ASSERT_EQ(dump.code, kExitOk) << dump.err;
  EXPECT_EQ(dump.out,
            "# record store dump: 2 records\n"
            "field 命令类型 int16\nfield 语音命令 text\nfield 执行 text\n"
            "\nrecord\n命令类型 = 5\n语音命令 = 显示命令列表\n执行 =\n"
            "\nrecord\n命令类型 = 0\n语音命令 = 打开 记事本\n执行 = \\sC:\\\\Windows\\\\notepad.exe\n");

  // The dump loads to the same file and dumps to the same text.
  fs.files["/w/dump.txt"] = dump.out;
  ASSERT_EQ(Vozctl(fs, {"edb", "load", "/w/dump.txt", "/w/again.edb"}).code, kExitOk);
  EXPECT_EQ(fs.files["/w/again.edb"], fs.files["/w/lib.edb"]);
  EXPECT_EQ(Vozctl(fs, {"edb", "dump", "/w/again.edb"}).out, dump.out);
}

TEST(VozctlEdb, WrongArgumentsAndBrokenFilesFailClearly) {
  struct Case {
    Args args;
    int code;
    std::string errStart;
  };
  const Case cases[] = {
      {{"edb"}, kExitUsage, "vozctl edb: a command is missing\nusage:"},
      {{"edb", "show", "x"}, kExitUsage, "vozctl edb: unknown command 'show'\nusage:"},
      {{"edb", "dump"}, kExitUsage, "vozctl edb dump: wrong number of arguments\nusage:"},
      {{"edb", "load", "/w/ok.txt"}, kExitUsage, "vozctl edb load: wrong number of arguments\nusage:"},
      {{"edb", "dump", "/w/none.edb"}, kExitFailure, "vozctl edb dump: cannot read /w/none.edb\n"},
      {{"edb", "dump", "/w/short.edb"}, kExitFailure,
       "vozctl edb dump: /w/short.edb: checksum mismatch (the file is truncated or damaged)\n"},
      {{"edb", "dump", "/w/ok.txt"}, kExitFailure,
       "vozctl edb dump: /w/ok.txt: not a record store file (no VOZEDB signature)\n"},
      {{"edb", "load", "/w/none.txt", "/w/lib.edb"}, kExitFailure, "vozctl edb load: cannot read /w/none.txt\n"},
      {{"edb", "load", "/w/bad.txt", "/w/lib.edb"}, kExitFailure,
       "vozctl edb load: /w/bad.txt:3: 'x': 300 does not fit int8\n"},
      {{"edb", "load", "/w/empty.txt", "/w/lib.edb"}, kExitFailure,
       "vozctl edb load: /w/empty.txt: no field lines\n"},
      {{"edb", "load", "/w/ok.txt", "/w/locked.edb"}, kExitFailure,
       "vozctl edb load: cannot write /w/locked.edb (read-only file, missing folder or full disk)"},
      {{"edb", "load", "/w/ok.txt", "/gone/lib.edb"}, kExitFailure, "vozctl edb load: cannot write /gone/lib.edb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[1] + " " + c.args.back() : "edb");
    files::MemoryFileSystem fs;
    fs.files["/w/ok.txt"] = "field x int8\nrecord\nx = 1\n";
    fs.files["/w/bad.txt"] = "field x int8\nrecord\nx = 300\n";
    fs.files["/w/empty.txt"] = "# nothing\n";
    const std::string good = recordstore::SerializeTable(recordstore::Table{{{"x", recordstore::FieldKind::Int8}}, {}});
    fs.files["/w/short.edb"] = good.substr(0, good.size() - 1);
    fs.files["/w/lib.edb"] = good;
    fs.files["/w/locked.edb"] = good;
    fs.readOnly.insert("/w/locked.edb");
    fs.missingFolders.insert("/gone/");
    const auto before = fs.files;
    const Outcome run = Vozctl(fs, c.args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(fs.files, before) << "a failed command changed the files";
  }
}

}  // namespace
}  // namespace voz::vozctl
