#include "speech/SpeechSynthesizer.h"

namespace voz::speech {

std::vector<std::string> SpeechSynthesizer::VoiceNames() {
  std::vector<std::string> names;
  for (auto& voice : Voices()) names.push_back(std::move(voice.name));
  return names;
}

}  // namespace voz::speech
