#include <gtest/gtest.h>

#include "MemoryLog.h"
#include "speech/TextRecognizer.h"

namespace voz::speech {
namespace {

using testing::Lines;

class TextRecognizerTest : public ::testing::Test {
 protected:
  explicit TextRecognizerTest(std::vector<int> languages = {kChinese, kEnglish})
      : recognizer(std::move(languages), memory.log) {
    recognizer.SetRecognisedHandler([this](const std::string& text) { heard.push_back(text); });
  }
  testing::MemoryLog memory;
  TextRecognizer recognizer;
  std::vector<std::string> heard;
};

TEST_F(TextRecognizerTest, DeliversOnlyWhileListening) {
  recognizer.SetPhrases(PhrasesFromTexts({"打开记事本"}));
  EXPECT_FALSE(recognizer.Deliver("打开记事本"));  // never started
  ASSERT_TRUE(recognizer.Start(kChinese, 0));
  EXPECT_TRUE(recognizer.IsListening());
  EXPECT_TRUE(recognizer.Deliver("打开记事本"));
  EXPECT_TRUE(recognizer.Deliver("随便说点什么"));
  EXPECT_FALSE(recognizer.Deliver(""));
  EXPECT_FALSE(recognizer.Deliver("\xE4\xB8"));  // cut UTF-8
  EXPECT_TRUE(recognizer.Stop());
  EXPECT_FALSE(recognizer.IsListening());
  EXPECT_FALSE(recognizer.Deliver("打开记事本"));
  EXPECT_TRUE(recognizer.Stop());  // stopping twice is fine
  // The list stays in force across stop and start.
  ASSERT_TRUE(recognizer.Start(kChinese, 0));
  EXPECT_TRUE(recognizer.Deliver("打开记事本"));
  EXPECT_EQ(heard, (std::vector<std::string>{"打开记事本", "随便说点什么", "打开记事本"}));
  EXPECT_EQ(memory.Take(), (Lines{{"listen", "zh"},
                                  {"heard", "打开记事本"},
                                  {"heard", "随便说点什么"},
                                  {"unlisten"},
                                  {"listen", "zh"},
                                  {"heard", "打开记事本"}}));
}

TEST_F(TextRecognizerTest, StartArgumentsAndRepeatedStart) {
  EXPECT_FALSE(recognizer.Start(2, 0));
  EXPECT_FALSE(recognizer.Start(-1, 0));
  EXPECT_FALSE(recognizer.Start(kChinese, 1));
  EXPECT_FALSE(recognizer.IsListening());
  EXPECT_TRUE(recognizer.Start(kEnglish, 0));
  EXPECT_TRUE(recognizer.Start(kEnglish, 0));  // already listening
  EXPECT_TRUE(recognizer.Start(kChinese, 0));  // switches language
  EXPECT_EQ(recognizer.Language(), kChinese);
  EXPECT_EQ(memory.Take(), (Lines{{"listen", "en"}, {"listen", "zh"}}));
}

TEST_F(TextRecognizerTest, PhraseListMayBeSetOrReplacedWhileListening) {
  ASSERT_TRUE(recognizer.Start(kChinese, 0));
  recognizer.SetPhrases({{"10", {"/10/十;"}}, {"200", {"二百", "两百"}}});
  recognizer.Deliver("十");
  recognizer.Deliver("两百");
  recognizer.SetPhrases({{"20", {"二十"}}});
  recognizer.Deliver("十");  // no longer listed: dictation
  recognizer.Deliver("二十");
  EXPECT_EQ(heard, (std::vector<std::string>{"10", "200", "十", "20"}));
}

TEST_F(TextRecognizerTest, HandlerMayStopListening) {
  recognizer.SetRecognisedHandler([this](const std::string& text) {
    heard.push_back(text);
    recognizer.Stop();
    recognizer.SetRecognisedHandler(nullptr);
  });
  ASSERT_TRUE(recognizer.Start(kChinese, 0));
  EXPECT_TRUE(recognizer.Deliver("停止"));
  EXPECT_FALSE(recognizer.Deliver("再说"));
  EXPECT_EQ(heard, std::vector<std::string>{"停止"});
}

class EnglishOnlyRecognizerTest : public TextRecognizerTest {
 protected:
  EnglishOnlyRecognizerTest() : TextRecognizerTest({kEnglish}) {}
};

TEST_F(EnglishOnlyRecognizerTest, MissingLanguageFailsToStart) {
  EXPECT_FALSE(recognizer.Start(kChinese, 0));
  EXPECT_FALSE(recognizer.IsListening());
  EXPECT_FALSE(recognizer.OpenTraining(nullptr));  // training follows the (Chinese) language
  ASSERT_TRUE(recognizer.Start(kEnglish, 0));
  EXPECT_TRUE(recognizer.OpenTraining(nullptr));
  // A switch to the missing language fails and keeps listening in English.
  EXPECT_FALSE(recognizer.Start(kChinese, 0));
  EXPECT_TRUE(recognizer.IsListening());
  EXPECT_EQ(recognizer.Language(), kEnglish);
  EXPECT_TRUE(recognizer.Deliver("hello"));
  EXPECT_EQ(memory.Take(), (Lines{{"listen", "en"}, {"training", "en"}, {"heard", "hello"}}));
}

TEST(TextRecognizerNoEngines, NothingStarts) {
  TextRecognizer recognizer({}, nullptr);
  EXPECT_FALSE(recognizer.Start(kChinese, 0));
  EXPECT_FALSE(recognizer.Start(kEnglish, 0));
  EXPECT_TRUE(recognizer.Stop());
  EXPECT_FALSE(recognizer.OpenTraining(nullptr));
  EXPECT_FALSE(recognizer.Deliver("你好"));
}

}  // namespace
}  // namespace voz::speech
