#include "speech/SpeechEngine.h"

namespace voz::speech {

std::unique_ptr<SpeechEngine> CreateSpeechEngine(const SpeechOptions& options) {
  if (options.engine == EngineKind::kText) return CreateTextEngine(options);
  return CreateSapiEngine();
}

}  // namespace voz::speech
