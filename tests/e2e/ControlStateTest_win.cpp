// The control lifecycle through the menu, with the text speech engine: the
// status text, the four flags of the control menu and the recognizer's log.
#include "tests/e2e/VozmaraFixture.h"
#include "tests/e2e/driver/IniText.h"

namespace voz::e2e {
namespace {

using namespace core;

constexpr const char* kNeverStarted = "状态:没有控制";
constexpr const char* kRunning = "状态:正在控制";
constexpr const char* kPaused = "状态:暂停控制";
constexpr const char* kStopped = "状态:停止控制";

constexpr const char* kFlagsIdle = "开始控制 on, 暂停控制 off, 继续控制 off, 停止控制 off";
constexpr const char* kFlagsRunning = "开始控制 off, 暂停控制 on, 继续控制 off, 停止控制 on";
constexpr const char* kFlagsPaused = "开始控制 off, 暂停控制 off, 继续控制 on, 停止控制 on";

TEST_F(VozmaraTest, ControlStatesThroughTheMenu) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Status(), kNeverStarted);
  EXPECT_EQ(ControlFlags(Menus()), kFlagsIdle);

  struct Step {
    const char* name;
    int command;
    const char* status;
    const char* flags;
  };
  const Step steps[] = {
      {"开始控制", 开始控制, kRunning, kFlagsRunning}, {"暂停控制", 暂停控制, kPaused, kFlagsPaused},
      {"继续控制", 继续控制, kRunning, kFlagsRunning}, {"停止控制", 停止控制, kStopped, kFlagsIdle},
      {"开始控制", 开始控制, kRunning, kFlagsRunning}, {"暂停控制", 暂停控制, kPaused, kFlagsPaused},
      {"停止控制 while paused", 停止控制, kStopped, kFlagsIdle},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(Window().Command(step.command));
    EXPECT_EQ(WaitStatus(step.status), step.status);
    EXPECT_EQ(ControlFlags(Menus()), step.flags);
  }
  // Two starts and two stops reached the recognizer, in Chinese; pause and
  // resume leave it listening.
  const auto log = app.SpeechLog();
  EXPECT_EQ(LogEvents(log, "listen"), (std::vector<LogLine>{{"listen", "zh"}, {"listen", "zh"}}));
  EXPECT_EQ(LogEvents(log, "unlisten").size(), 2u);
  EXPECT_FALSE(FindMessageBox(app.Id()));
}

// Start control without the recognition engine of the chosen language.
struct MissingEngineCase {
  const char* name;
  const char* engines;  // the engines the text engine has
  bool chooseEnglish;
  const char* message;
  // gtest names the case instead of dumping its bytes.
  friend void PrintTo(const MissingEngineCase& c, std::ostream* os) { *os << c.name; }
};

class MissingEngineTest : public VozmaraTest, public ::testing::WithParamInterface<MissingEngineCase> {};

TEST_P(MissingEngineTest, StartShowsTheMessageAndTheDownloadWindowAndChangesNothing) {
  const MissingEngineCase& c = GetParam();
  StartOptions options;
  options.engines = c.engines;
  ASSERT_TRUE(Start(options));
  if (c.chooseEnglish) {
    // While control is off the language buttons only change the choice.
    ASSERT_TRUE(Window().Click(英文单选框));
    ASSERT_TRUE(WaitUntil([&] { return Window().Checked(英文单选框) && !Window().Checked(中文单选框); }))
        << "英文 checked: " << Window().Checked(英文单选框) << ", 中文 checked: " << Window().Checked(中文单选框);
    EXPECT_FALSE(FindMessageBox(app.Id()));
  }
  ASSERT_TRUE(Window().Command(开始控制));
  const auto box = WaitMessageBox(app.Id());
  ASSERT_TRUE(box.has_value()) << "no message";
  EXPECT_EQ(box->text, c.message);
  EXPECT_STREQ(BoxIconName(MessageBoxIcon(box->handle)), "none");
  EXPECT_TRUE(AnswerMessageBox(box->handle));

  EXPECT_TRUE(WaitUntil([&] { return FindTopWindow(app.Id(), L"", L"语音识别引擎下载提示:") != nullptr; }))
      << "the engine download window did not open";
  EXPECT_EQ(Status(), kNeverStarted);
  EXPECT_EQ(ControlFlags(Menus()), kFlagsIdle);
  EXPECT_TRUE(LogEvents(app.SpeechLog(), "listen").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Engines, MissingEngineTest,
    ::testing::Values(
        MissingEngineCase{"NoChinese", "en", false,
                          "您的电脑没有安装 英文识别引擎 和 中文识别补丁, 请下载安装后再开始控制"},
        MissingEngineCase{"NoEnglish", "zh", true, "您的电脑没有安装 英文识别引擎, 请下载安装后再开始控制"}),
    [](const auto& info) { return std::string(info.param.name); });

// 设置/自动控制 in "参数.ini", written in GBK before the start.
struct AutoControlCase {
  const char* name;
  const char* value;
  bool starts;
  // gtest names the case instead of dumping its bytes.
  friend void PrintTo(const AutoControlCase& c, std::ostream* os) { *os << c.name; }
};

class AutoControlTest : public VozmaraTest, public ::testing::WithParamInterface<AutoControlCase> {};

TEST_P(AutoControlTest, OnlyTrueStartsControl) {
  const AutoControlCase& c = GetParam();
  ASSERT_TRUE(folder.Write(kSettingsFile, MakeGbkIni({{"设置", {{"自动控制", c.value}}}})));
  ASSERT_TRUE(Start());
  if (c.starts) {
    EXPECT_EQ(WaitStatus(kRunning), kRunning);
    EXPECT_EQ(ControlFlags(Menus()), kFlagsRunning);
    EXPECT_EQ(app.WaitLogEvent("listen"), (std::vector<LogLine>{{"listen", "zh"}}));
  } else {
    EXPECT_EQ(Status(), kNeverStarted);
    EXPECT_EQ(ControlFlags(Menus()), kFlagsIdle);
    EXPECT_TRUE(LogEvents(app.SpeechLog(), "listen").empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Values, AutoControlTest,
                         ::testing::Values(AutoControlCase{"True", "真", true}, AutoControlCase{"False", "假", false},
                                           AutoControlCase{"OtherText", "TRUE", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace voz::e2e
