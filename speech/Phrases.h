// How phrase entries are heard: the words of a spoken form, and which entry
// an utterance names. Shared by both engines so that they deliver the same
// text for the same utterance.
#pragma once

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

}  // namespace voz::speech
