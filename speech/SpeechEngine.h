// Makes the recognizers and the voice of one engine: the system's speech API
// (SAPI 5) or the text engine for machines without speech engines.
#pragma once

#include <memory>

#include "speech/SpeechRecognizer.h"
#include "speech/SpeechSwitches.h"
#include "speech/SpeechSynthesizer.h"

namespace voz::speech {

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  // Objects are used on the thread that made them (the window thread) and
  // may outlive the engine.
  virtual std::unique_ptr<SpeechRecognizer> CreateRecognizer() = 0;
  // The voice is created at once, as Reset does.
  virtual std::unique_ptr<SpeechSynthesizer> CreateSynthesizer() = 0;
};

// The engine the options ask for. With kSapi on a system without SAPI (any
// build but Windows) the result has no recognition engine and no voice.
std::unique_ptr<SpeechEngine> CreateSpeechEngine(const SpeechOptions& options);

// The system's speech API.
std::unique_ptr<SpeechEngine> CreateSapiEngine();
// The text engine with the options' languages, voices and log.
std::unique_ptr<SpeechEngine> CreateTextEngine(const SpeechOptions& options);

}  // namespace voz::speech
