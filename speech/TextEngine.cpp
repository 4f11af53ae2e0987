#include "platform/files/FileSystem.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechLog.h"
#include "speech/TextRecognizer.h"
#include "speech/TextSynthesizer.h"

namespace voz::speech {

namespace {

class TextEngine final : public SpeechEngine {
 public:
  explicit TextEngine(const SpeechOptions& options) : options_(options) {
    // A log that cannot be opened leaves the engine working without one.
    if (!options_.logPath.empty()) log_ = OpenFileLog(options_.logPath);
  }

  std::unique_ptr<SpeechRecognizer> CreateRecognizer() override {
    return std::make_unique<TextRecognizer>(options_.recognitionLanguages, log_);
  }

  std::unique_ptr<SpeechSynthesizer> CreateSynthesizer() override {
    return std::make_unique<TextSynthesizer>(options_.voices, log_, files::RealFileSystem());
  }

 private:
  SpeechOptions options_;
  std::shared_ptr<LineLog> log_;
};

}  // namespace

std::unique_ptr<SpeechEngine> CreateTextEngine(const SpeechOptions& options) {
  return std::make_unique<TextEngine>(options);
}

}  // namespace voz::speech
