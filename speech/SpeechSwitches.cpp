#include "speech/SpeechSwitches.h"

#include <algorithm>
#include <string_view>

namespace voz::speech {

namespace {

constexpr std::string_view kPrefix = "--speech";

std::vector<std::string_view> Split(std::string_view list, char separator) {
  std::vector<std::string_view> items;
  if (list.empty()) return items;
  while (true) {
    const size_t end = list.find(separator);
    items.push_back(list.substr(0, end));
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return items;
}

void ParseEngines(std::string_view value, SpeechOptions& options, std::vector<std::string>& errors) {
  options.recognitionLanguages.clear();
  for (std::string_view item : Split(value, ',')) {
    if (item.empty()) continue;
    int language = -1;
    if (item == "zh") language = kChinese;
    else if (item == "en") language = kEnglish;
    if (language < 0) {
      errors.push_back("--speech-engines: unknown language \"" + std::string(item) + "\" (zh or en)");
      continue;
    }
    auto& languages = options.recognitionLanguages;
    if (std::find(languages.begin(), languages.end(), language) == languages.end()) languages.push_back(language);
  }
}

void ParseVoices(std::string_view value, SpeechOptions& options, std::vector<std::string>& errors) {
  options.voices.clear();
  for (std::string_view item : Split(value, ';')) {
    if (item.empty()) continue;
    const size_t colon = item.rfind(':');
    const std::string_view name = colon == std::string_view::npos ? item : item.substr(0, colon);
    const std::string_view hex = colon == std::string_view::npos ? std::string_view{} : item.substr(colon + 1);
    const auto ids = ParseLanguageAttribute(hex);
    if (name.empty() || ids.size() != 1 || hex.find(';') != std::string_view::npos ||
        hex.find(' ') != std::string_view::npos) {
      errors.push_back("--speech-voices: \"" + std::string(item) + "\" is not NAME:LANGHEX");
      continue;
    }
    options.voices.push_back({std::string(name), ids});
  }
}

}  // namespace

std::vector<VoiceInfo> DefaultTextVoices() {
  return {{"Microsoft Sam", {kEnglishLangId}}, {"Microsoft Simplified Chinese", {kChineseLangId}}};
}

ParsedSpeechSwitches ParseSpeechSwitches(const std::vector<std::string>& arguments) {
  ParsedSpeechSwitches result;
  SpeechOptions& options = result.options;
  for (const std::string& argument : arguments) {
    const std::string_view arg = argument;
    if (arg.substr(0, kPrefix.size()) != kPrefix) continue;
    const size_t equals = arg.find('=');
    if (equals == std::string_view::npos) {
      result.errors.push_back(argument + ": a value is needed (" + argument + "=...)");
      continue;
    }
    const std::string_view name = arg.substr(0, equals);
    const std::string_view value = arg.substr(equals + 1);
    if (name == "--speech") {
      if (value == "sapi") options.engine = EngineKind::kSapi;
      else if (value == "text") options.engine = EngineKind::kText;
      else result.errors.push_back("--speech: unknown engine \"" + std::string(value) + "\" (sapi or text)");
    } else if (name == "--speech-engines") {
      ParseEngines(value, options, result.errors);
    } else if (name == "--speech-voices") {
      ParseVoices(value, options, result.errors);
    } else if (name == "--speech-log") {
      options.logPath = std::string(value);
    } else {
      result.errors.push_back("unknown switch " + std::string(name));
    }
  }
  return result;
}

}  // namespace voz::speech
