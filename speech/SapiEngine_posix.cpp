// No SAPI outside Windows: an engine that has nothing installed.
#include "speech/SpeechEngine.h"

namespace voz::speech {

std::unique_ptr<SpeechEngine> CreateSapiEngine() {
  SpeechOptions nothing;
  nothing.engine = EngineKind::kText;
  nothing.recognitionLanguages.clear();
  nothing.voices.clear();
  return CreateTextEngine(nothing);
}

}  // namespace voz::speech
