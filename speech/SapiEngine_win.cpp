#include "speech/SapiRecognizerWin32.h"
#include "speech/SapiSynthesizerWin32.h"
#include "speech/SpeechEngine.h"

namespace voz::speech {

namespace {

class SapiEngine final : public SpeechEngine {
 public:
  std::unique_ptr<SpeechRecognizer> CreateRecognizer() override { return std::make_unique<win::SapiRecognizer>(); }
  std::unique_ptr<SpeechSynthesizer> CreateSynthesizer() override {
    return std::make_unique<win::SapiSynthesizer>();
  }
};

}  // namespace

std::unique_ptr<SpeechEngine> CreateSapiEngine() { return std::make_unique<SapiEngine>(); }

}  // namespace voz::speech
