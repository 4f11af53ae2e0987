#include "vozmara/library/PhraseList.h"

#include <utility>

namespace voz::library {

std::string RemoveSpaces(std::string_view phrase) {
  std::string result;
  result.reserve(phrase.size());
  for (const char c : phrase) {
    if (c != ' ') result.push_back(c);
  }
  return result;
}

void PhraseList::Clear() {
  entries.clear();
  rows.clear();
}

void PhraseList::AppendCommand(std::string entry) {
  rows.push_back("[" + entry + "]");
  entries.push_back(std::move(entry));
}

void PhraseList::AppendNumber(std::string number) {
  rows.push_back(number);
  entries.push_back(std::move(number));
}

bool PhraseList::EntryEquals(int position, std::string_view phrase) const {
  if (position < 1 || static_cast<std::size_t>(position) > entries.size()) return false;
  return entries[static_cast<std::size_t>(position) - 1] == phrase;
}

std::optional<int> PhraseList::FindRecord(std::string_view phrase) const {
  for (std::size_t k = 0; k < entries.size(); ++k) {
    if (entries[k] == phrase) return static_cast<int>(k) + 1;
  }
  return std::nullopt;
}

}  // namespace voz::library
