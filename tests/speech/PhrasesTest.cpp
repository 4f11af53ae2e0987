#include <gtest/gtest.h>

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

}  // namespace
}  // namespace voz::speech
