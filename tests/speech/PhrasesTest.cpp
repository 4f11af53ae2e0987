#include <gtest/gtest.h>

#include <algorithm>

#include "speech/Phrases.h"

namespace voz::speech {
namespace {

TEST(Phrases, LexicalWords) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(LexicalWords("打开记事本"), (Words{"打开记事本"}));
  EXPECT_EQ(LexicalWords("  open   notepad "), (Words{"open", "notepad"}));
  EXPECT_EQ(LexicalWords("/10/十;"), (Words{"十"}));
  EXPECT_EQ(LexicalWords("/10/十/shi 2;"), (Words{"十"}));
  EXPECT_EQ(LexicalWords("第 /3/三/san 1; 页"), (Words{"第", "三", "页"}));
  EXPECT_EQ(LexicalWords("/Go//;"), (Words{"Go"}));  // no lexical part: the display text
  EXPECT_EQ(LexicalWords("/x/y"), (Words{"y"}));     // missing ';'
  EXPECT_EQ(LexicalWords("a/b"), (Words{"a/b"}));
  EXPECT_EQ(LexicalWords(""), Words{});
  EXPECT_EQ(LexicalWords("/;"), Words{});
}

TEST(Phrases, UtteranceDeliversTheEntryTextOrItself) {
  const std::vector<PhraseEntry> phrases = {
      {"打开记事本", {}},
      {"10", {"/10/十;"}},
      {"200", {"/200/二百;", "/200/两百;"}},
      {"open notepad", {}},
      {"", {"空"}},           // empty text: never recognised
      {"second", {"十"}},     // same words as entry "10": the first entry wins
      {"blank forms", {"", " "}},
  };
  const struct {
    const char* said;
    const char* delivered;
  } cases[] = {
      {"打开记事本", "打开记事本"}, {"十", "10"},   {"两百", "200"},
      {"二百", "200"},             {"open  notepad", "open notepad"},
      {"空", "空"},                {"随便说说", "随便说说"},
      {"blank forms", "blank forms"},  // its forms are blank, so nothing is said for it: dictation
      {"10", "10"},                    // not a spoken form, but dictation gives the same text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolveUtterance(phrases, c.said), c.delivered) << c.said;
  }
  EXPECT_TRUE(SpokenFormsOf(phrases[6]).empty());
  EXPECT_TRUE(SpokenFormsOf(phrases[4]).empty());
  EXPECT_EQ(SpokenFormsOf(phrases[0]), std::vector<std::string>{"打开记事本"});
}

TEST(Phrases, CommandRulePlanSkipsWhatTheEngineCannotSay) {
  const std::vector<PhraseEntry> phrases = {
      {"打开QQ", {}}, {"", {}}, {"10", {"/10/十;", "/10/一十;"}}, {"open notepad", {}}, {"x", {"", "叉"}}};
  const auto everything = [](const std::string&) { return true; };
  EXPECT_EQ(PlanCommandRule(phrases, everything),
            (std::vector<RuleTransition>{
                {"打开QQ", 0}, {"/10/十;", 2}, {"/10/一十;", 2}, {"open notepad", 3}, {"叉", 4}}));
  // A Chinese engine that cannot say Latin letters loses those forms only.
  const auto noLatin = [](const std::string& word) {
    return std::none_of(word.begin(), word.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
  };
  EXPECT_EQ(PlanCommandRule(phrases, noLatin),
            (std::vector<RuleTransition>{{"/10/十;", 2}, {"/10/一十;", 2}, {"叉", 4}}));
  // Each word is asked about: the lexical part, not the display text.
  std::vector<std::string> asked;
  PlanCommandRule({{"10", {"/10/十;"}}, {"open notepad", {}}}, [&](const std::string& word) {
    asked.push_back(word);
    return true;
  });
  EXPECT_EQ(asked, (std::vector<std::string>{"十", "open", "notepad"}));
}

TEST(Phrases, CommandResultTextPrefersTheCommittedEntry) {
  const std::vector<std::string> committed = {"打开记事本", "10"};
  using Text = std::optional<std::string>;
  EXPECT_EQ(CommandResultText(committed, 1, Text("10")), Text("10"));
  EXPECT_EQ(CommandResultText(committed, 0, std::nullopt), Text("打开记事本"));
  // A result of a rule replaced meanwhile: its own text, not the new entry.
  EXPECT_EQ(CommandResultText(committed, 0, Text("关闭窗口")), Text("关闭窗口"));
  EXPECT_EQ(CommandResultText(committed, 7, Text("旧")), Text("旧"));
  EXPECT_EQ(CommandResultText(committed, 7, std::nullopt), std::nullopt);
  EXPECT_EQ(CommandResultText(committed, 7, Text("")), std::nullopt);
  EXPECT_EQ(CommandResultText({}, 0, std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace voz::speech
