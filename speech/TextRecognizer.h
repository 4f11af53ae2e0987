// The text engine's recognizer: utterances come from Deliver instead of a
// microphone, and are turned into recognised events exactly as the SAPI
// recognizer would turn them (a listed phrase's text, or dictation).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "speech/SpeechLog.h"
#include "speech/SpeechRecognizer.h"

namespace voz::speech {

class TextRecognizer final : public SpeechRecognizer {
 public:
  // `installedLanguages`: the languages that have an engine.
  TextRecognizer(std::vector<int> installedLanguages, std::shared_ptr<LineLog> log);

  bool SetPhrases(std::vector<PhraseEntry> phrases) override;
  bool Start(int language, int mode) override;
  bool Stop() override;
  bool IsListening() const override { return listening_; }
  // Logs "training" and succeeds when the engine of the language last
  // started (Chinese before any start) is installed.
  bool OpenTraining(NativeWindow owner) override;

  // One utterance, on the window thread. Raises the recognised event and
  // returns true only while listening, and only for a non-empty, valid UTF-8
  // utterance.
  bool Deliver(const std::string& utterance);

  int Language() const { return language_; }
  const std::vector<PhraseEntry>& Phrases() const { return phrases_; }

 private:
  bool Installed(int language) const;

  std::vector<int> installed_;
  std::shared_ptr<LineLog> log_;
  std::vector<PhraseEntry> phrases_;
  bool listening_ = false;
  int language_ = kChinese;
};

}  // namespace voz::speech
