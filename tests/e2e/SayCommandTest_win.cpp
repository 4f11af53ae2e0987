// `vozctl say` against the real program: the phrase reaches the recognizer
// only while control is running; otherwise vozctl says why and fails.
#include "tests/e2e/VozmaraFixture.h"

namespace voz::e2e {
namespace {

using namespace core;

TEST_F(VozmaraTest, SayWithoutVozmaraFails) {
  const ToolRun run = app.Vozctl({"say", "显示命令列表"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("not running"), std::string::npos) << run.output;
}

TEST_F(VozmaraTest, SayNeedsExactlyOnePhrase) {
  for (const auto& args : {std::vector<std::string>{"say"}, std::vector<std::string>{"say", ""},
                           std::vector<std::string>{"say", "a", "b"}}) {
    const ToolRun run = app.Vozctl(args);
    EXPECT_EQ(run.exitCode, 2) << args.size() << " arguments: " << run.output;
  }
}

TEST_F(VozmaraTest, SayReachesTheRecognizerOnlyWhileListening) {
  ASSERT_TRUE(Start());
  ToolRun run = app.Vozctl({"say", "显示命令列表"});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("not listening"), std::string::npos) << run.output;

  ASSERT_TRUE(Window().Command(开始控制));
  ASSERT_EQ(WaitStatus("状态:正在控制"), "状态:正在控制");
  run = app.Vozctl({"say", "显示命令列表"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_FALSE(app.WaitLogEvent("heard", "显示命令列表").empty());
}

}  // namespace
}  // namespace voz::e2e
