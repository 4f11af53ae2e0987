#include "speech/TextRecognizer.h"

#include <algorithm>

#include "platform/text/Encoding.h"
#include "speech/Phrases.h"

namespace voz::speech {

namespace {

const char* LanguageCode(int language) { return language == kEnglish ? "en" : "zh"; }

}  // namespace

TextRecognizer::TextRecognizer(std::vector<int> installedLanguages, std::shared_ptr<LineLog> log)
    : installed_(std::move(installedLanguages)), log_(std::move(log)) {}

bool TextRecognizer::Installed(int language) const {
  return std::find(installed_.begin(), installed_.end(), language) != installed_.end();
}

bool TextRecognizer::SetPhrases(std::vector<PhraseEntry> phrases) {
  phrases_ = std::move(phrases);
  return true;
}

bool TextRecognizer::Start(int language, int mode) {
  if (mode != 0 || (language != kChinese && language != kEnglish)) return false;
  if (listening_ && language == language_) return true;
  if (!Installed(language)) return false;
  language_ = language;
  listening_ = true;
  WriteLog(log_, {"listen", LanguageCode(language)});
  return true;
}

bool TextRecognizer::Stop() {
  if (listening_) {
    listening_ = false;
    WriteLog(log_, {"unlisten"});
  }
  return true;
}

bool TextRecognizer::OpenTraining(NativeWindow /*owner*/) {
  if (!Installed(language_)) return false;
  WriteLog(log_, {"training", LanguageCode(language_)});
  return true;
}

bool TextRecognizer::Deliver(const std::string& utterance) {
  if (!listening_ || utterance.empty() || !text::IsValidUtf8(utterance)) return false;
  const std::string text = ResolveUtterance(phrases_, utterance);
  WriteLog(log_, {"heard", text});
  RaiseRecognised(text);
  return true;
}

}  // namespace voz::speech
