#include "speech/Phrases.h"

#include <algorithm>

namespace voz::speech {

std::vector<PhraseEntry> PhrasesFromTexts(const std::vector<std::string>& texts) {
  std::vector<PhraseEntry> phrases;
  phrases.reserve(texts.size());
  for (const auto& text : texts) phrases.push_back({text, {}});
  return phrases;
}

std::vector<std::string> SpokenFormsOf(const PhraseEntry& entry) {
  std::vector<std::string> forms;
  if (entry.text.empty()) return forms;
  if (entry.spokenForms.empty()) {
    forms.push_back(entry.text);
    return forms;
  }
  for (const auto& form : entry.spokenForms) {
    if (!LexicalWords(form).empty()) forms.push_back(form);
  }
  return forms;
}

std::vector<std::string> LexicalWords(std::string_view form) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < form.size()) {
    if (form[i] == ' ') {
      ++i;
      continue;
    }
    if (form[i] == '/') {
      // "/display/lexical/pron;" up to its ';' (or the end when it is missing).
      size_t end = form.find(';', i);
      if (end == std::string_view::npos) end = form.size();
      const std::string_view body = form.substr(i + 1, end - i - 1);
      i = end + 1;
      const size_t slash = body.find('/');
      std::string_view lexical = slash == std::string_view::npos ? body : body.substr(slash + 1);
      lexical = lexical.substr(0, lexical.find('/'));
      // No lexical part means the display text is said.
      if (lexical.empty()) lexical = body.substr(0, slash);
      if (!lexical.empty()) words.emplace_back(lexical);
      continue;
    }
    size_t end = form.find(' ', i);
    if (end == std::string_view::npos) end = form.size();
    words.emplace_back(form.substr(i, end - i));
    i = end;
  }
  return words;
}

std::string ResolveUtterance(const std::vector<PhraseEntry>& phrases, std::string_view utterance) {
  const std::vector<std::string> heard = LexicalWords(utterance);
  if (!heard.empty()) {
    for (const auto& entry : phrases) {
      for (const auto& form : SpokenFormsOf(entry)) {
        if (LexicalWords(form) == heard) return entry.text;
      }
    }
  }
  return std::string(utterance);
}

std::vector<RuleTransition> PlanCommandRule(const std::vector<PhraseEntry>& phrases,
                                            const std::function<bool(const std::string& word)>& pronounceable) {
  std::vector<RuleTransition> plan;
  for (size_t i = 0; i < phrases.size(); ++i) {
    for (auto& form : SpokenFormsOf(phrases[i])) {
      const auto words = LexicalWords(form);
      if (std::all_of(words.begin(), words.end(), pronounceable)) {
        plan.push_back({std::move(form), static_cast<std::uint32_t>(i)});
      }
    }
  }
  return plan;
}

std::optional<std::string> CommandResultText(const std::vector<std::string>& committedTexts, std::uint32_t index,
                                             const std::optional<std::string>& carriedText) {
  if (index < committedTexts.size() && (!carriedText || *carriedText == committedTexts[index])) {
    return committedTexts[index];
  }
  if (carriedText && !carriedText->empty()) return carriedText;
  return std::nullopt;
}

}  // namespace voz::speech
