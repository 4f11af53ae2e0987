// The language and mode radio buttons: a click checks the button and
// clears the others of its group, and nothing else happens while control
// is off.
#include "tests/e2e/VozmaraFixture.h"

namespace voz::e2e {
namespace {

using namespace core;

TEST_F(VozmaraTest, AClickChecksOneRadioButtonOfItsGroup) {
  ASSERT_TRUE(Start());
  const std::pair<int, const char*> radios[] = {
      {中文单选框, "中文"},         {英文单选框, "英文"},         {语音打字单选框, "语音打字"},
      {语音控制单选框, "语音控制"}, {混合模式单选框, "混合模式"},
  };
  auto checked = [&] {
    std::string names;
    for (const auto& [id, name] : radios) {
      if (Window().Checked(id)) names += std::string(names.empty() ? "" : " ") + name;
    }
    return names;
  };
  EXPECT_EQ(checked(), "中文 混合模式");

  struct Step {
    int click;
    const char* name;
    const char* checked;
  };
  const Step steps[] = {
      {英文单选框, "英文", "英文 混合模式"},           {中文单选框, "中文", "中文 混合模式"},
      {语音打字单选框, "语音打字", "中文 语音打字"},   {语音控制单选框, "语音控制", "中文 语音控制"},
      {混合模式单选框, "混合模式", "中文 混合模式"},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(Window().Click(step.click));
    std::string now;
    EXPECT_TRUE(WaitUntil([&] { return (now = checked()) == step.checked; }, milliseconds(2000)))
        << "after a click on " << step.name << " the checked buttons are: " << now;
  }
  EXPECT_EQ(Status(), "状态:没有控制");
  EXPECT_FALSE(FindMessageBox(app.Id()));
  EXPECT_TRUE(LogEvents(app.SpeechLog(), "listen").empty());
}

}  // namespace
}  // namespace voz::e2e
