#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "speech/SpeechLog.h"

namespace voz::speech {
namespace {

TEST(SpeechLog, FieldsSurviveEscaping) {
  const std::vector<std::string> fields = {"speak", "a\tb", "line1\nline2\r", "C:\\dir\\t.wav", "\\t literal", "",
                                           "中文", "end\\"};
  const std::string line = FormatLogLine(fields);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 7);
  EXPECT_EQ(ParseLogLine(line + "\n"), fields);
  EXPECT_EQ(FormatLogLine({"a\tb", "c\\d\n"}), "a\\tb\tc\\\\d\\n");
  // Escapes we never write are kept as they stand.
  EXPECT_EQ(UnescapeLogField("x\\qy\\"), "x\\qy\\");
}

TEST(SpeechLog, FileLogAppendsFlushedLines) {
  testing::ScratchDir dir;
  const std::string path = dir.File("日志.txt");
  {
    auto log = OpenFileLog(path);
    ASSERT_NE(log, nullptr);
    log->Write({"speak", "v", "0", "100", "一\t二"});
    // Readable before the log is closed.
    EXPECT_EQ(testing::ScratchDir::Read(path), "speak\tv\t0\t100\t一\\t二\n");
  }
  auto again = OpenFileLog(path);
  ASSERT_NE(again, nullptr);
  again->Write({"stop", "0"});
  EXPECT_EQ(testing::ScratchDir::Read(path), "speak\tv\t0\t100\t一\\t二\nstop\t0\n");
  EXPECT_EQ(OpenFileLog(dir.File("missing/log.txt")), nullptr);
  EXPECT_EQ(OpenFileLog(""), nullptr);
}

}  // namespace
}  // namespace voz::speech
