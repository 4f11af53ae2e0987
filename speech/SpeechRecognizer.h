// A speech recognizer bound to the thread of the window that uses it: it
// listens for a list of phrases plus free dictation and reports each
// utterance through a callback on that thread.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "speech/Voices.h"

namespace voz::speech {

// An opaque native window handle (HWND on Windows); nullptr for none.
using NativeWindow = void*;

// One recognisable phrase. `text` is what the recognised event delivers;
// `spokenForms` are what the user may say for it. With no spoken forms the
// text itself is said. A spoken form is a sequence of words separated by
// spaces; a word may carry an explicit reading as "/display/lexical/pron;".
struct PhraseEntry {
  std::string text;
  std::vector<std::string> spokenForms;
};

// Entries whose spoken form is their own text.
std::vector<PhraseEntry> PhrasesFromTexts(const std::vector<std::string>& texts);

class SpeechRecognizer {
 public:
  using RecognisedHandler = std::function<void(const std::string& utf8)>;

  virtual ~SpeechRecognizer() = default;

  // The list stays in force across Stop and Start; it may be set before
  // Start, and replaced while listening (it then applies at once). Entries
  // with an empty text are never recognised. False when the engine refused
  // the new list while listening; the list is kept for the next Start.
  virtual bool SetPhrases(std::vector<PhraseEntry> phrases) = 0;

  // Starts listening in `language` (kChinese or kEnglish); `mode` must be 0.
  // True when listening has begun, also when it already was in that
  // language. Asking for the other language while listening switches to it;
  // when that language's engine is missing the result is false and listening
  // goes on in the old one (an engine that is found but fails to start
  // leaves nothing listening). False when the engine is missing or the
  // arguments are out of range.
  virtual bool Start(int language, int mode) = 0;

  // True when listening has ended (also when it was not listening).
  virtual bool Stop() = 0;

  virtual bool IsListening() const = 0;

  // Opens the engine's voice-training wizard for the current user, owned by
  // `owner`; returns when it closes. False when no engine offers one.
  virtual bool OpenTraining(NativeWindow owner) = 0;

  // Each utterance, on the thread that started listening: a listed phrase's
  // text exactly, or freely dictated text. Only while listening.
  void SetRecognisedHandler(RecognisedHandler handler) { handler_ = std::move(handler); }

 protected:
  // A copy is called, so the handler may replace itself or stop listening.
  void RaiseRecognised(const std::string& text) const {
    if (!handler_) return;
    RecognisedHandler handler = handler_;
    handler(text);
  }

 private:
  RecognisedHandler handler_;
};

}  // namespace voz::speech
