#include <gtest/gtest.h>

#include <sstream>

#include "platform/files/MemoryFileSystem.h"
#include "tools/vozctl/Commands.h"

namespace voz::vozctl {
namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Vozctl(files::FileSystem& fs, const Args& args) {
  std::ostringstream out, err;
  const int code = RunVozctl(args, fs, out, err);
  return {code, out.str(), err.str()};
}

const std::string kPath = "/p/参数.ini";

TEST(VozctlIni, GetPrintsTheValueInUtf8) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[\xD6\xF7\xB4\xB0\xBF\xDA]\r\n\xD7\xF3\xB1\xDF=\xD5\xE6\r\n";  // [主窗口] 左边=真
  Outcome run = Vozctl(fs, {"ini", "get", kPath, "主窗口", "左边"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, "真\n");
  EXPECT_EQ(run.err, "");

  run = Vozctl(fs, {"ini", "get", kPath, "主窗口", "顶边"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, "\n") << "a missing key reads as empty text";

  run = Vozctl(fs, {"ini", "get", "/p/none.ini", "a", "b"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("/p/none.ini"), std::string::npos) << run.err;
}

TEST(VozctlIni, SetWritesGbkAndReadsBack) {
  files::MemoryFileSystem fs;
  EXPECT_EQ(Vozctl(fs, {"ini", "set", kPath, "语音朗读", "语速", "-3"}).code, kExitOk);
  EXPECT_EQ(fs.files[kPath], "[\xD3\xEF\xD2\xF4\xC0\xCA\xB6\xC1]\r\n\xD3\xEF\xCB\xD9=-3\r\n");
  EXPECT_EQ(Vozctl(fs, {"ini", "get", kPath, "语音朗读", "语速"}).out, "-3\n");
}

TEST(VozctlIni, FailuresExitWithAReason) {
  files::MemoryFileSystem fs;
  fs.files[kPath] = "[a]\r\nk=1\r\n";
  Outcome run = Vozctl(fs, {"ini", "set", kPath, "a", "k", "two\nlines"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_NE(run.err.find("reads back"), std::string::npos) << run.err;

  fs.readOnly.insert(kPath);
  run = Vozctl(fs, {"ini", "set", kPath, "a", "k", "2"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_NE(run.err.find("could not write"), std::string::npos) << run.err;
  EXPECT_EQ(fs.files[kPath], "[a]\r\nk=1\r\n");
}

TEST(VozctlIni, WrongArgumentsShowTheUsage) {
  files::MemoryFileSystem fs;
  const Args wrong[] = {
      {"ini"},
      {"ini", "put", kPath, "a", "k"},
      {"ini", "get", kPath, "a"},
      {"ini", "get", kPath, "a", "k", "extra"},
      {"ini", "set", kPath, "a", "k"},
  };
  for (const auto& args : wrong) {
    const Outcome run = Vozctl(fs, args);
    EXPECT_EQ(run.code, kExitUsage) << args.size();
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_TRUE(fs.files.empty());
}

}  // namespace
}  // namespace voz::vozctl
