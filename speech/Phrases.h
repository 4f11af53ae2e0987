// How phrase entries are heard: the words of a spoken form, and which entry
// an utterance names. Shared by both engines so that they deliver the same
// text for the same utterance.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "speech/SpeechRecognizer.h"

namespace voz::speech {

// What is said for an entry: its spoken forms, or its text when it has none.
// Empty forms are left out, and an entry with an empty text has none.
std::vector<std::string> SpokenFormsOf(const PhraseEntry& entry);

// The words of a spoken form as the grammar sees them, split at spaces. A
// word written "/display/lexical/pronunciation;" (which may hold spaces)
// yields its lexical part.
std::vector<std::string> LexicalWords(std::string_view spokenForm);

// The text an utterance delivers: the text of the first entry one of whose
// spoken forms has the same words, otherwise the utterance itself (free
// dictation).
std::string ResolveUtterance(const std::vector<PhraseEntry>& phrases, std::string_view utterance);

// One word transition of a command rule: a spoken form and the index of the
// entry it stands for.
struct RuleTransition {
  std::string spokenForm;
  std::uint32_t entry = 0;
  bool operator==(const RuleTransition&) const = default;
};

// The transitions of the command rule for `phrases`: one per spoken form, in
// list order, leaving out forms with a word that `pronounceable` rejects
// (engines differ in what they can say).
std::vector<RuleTransition> PlanCommandRule(const std::vector<PhraseEntry>& phrases,
                                            const std::function<bool(const std::string& word)>& pronounceable);

// The text a command-rule result delivers, given the entry index it carries
// and the entry text it carries (nullopt when absent). `committedTexts` are
// the entry texts of the rule in force. The committed text when the two
// agree (exact bytes); the carried text when the rule was replaced since the
// utterance; nullopt when neither is usable.
std::optional<std::string> CommandResultText(const std::vector<std::string>& committedTexts, std::uint32_t index,
                                             const std::optional<std::string>& carriedText);

}  // namespace voz::speech
