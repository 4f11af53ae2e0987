#include "speech/TextSynthesizer.h"

#include "speech/WaveFile.h"

namespace voz::speech {

TextSynthesizer::TextSynthesizer(std::vector<VoiceInfo> voices, std::shared_ptr<LineLog> log,
                                 files::FileSystem& fs)
    : voices_(std::move(voices)), log_(std::move(log)), fs_(fs) {
  if (!voices_.empty()) voice_ = voices_.front().name;
}

bool TextSynthesizer::Reset() {
  queue_.clear();
  paused_ = false;
  voice_ = voices_.empty() ? std::string() : voices_.front().name;
  rate_ = kDefaultRate;
  volume_ = kDefaultVolume;
  WriteLog(log_, {"reset"});
  return !voices_.empty();
}

bool TextSynthesizer::SelectVoice(const std::string& name) {
  for (const auto& voice : voices_) {
    if (voice.name == name) {
      voice_ = name;
      return true;
    }
  }
  return false;
}

bool TextSynthesizer::SetRate(int rate) {
  if (!IsValidRate(rate)) return false;
  rate_ = rate;
  return true;
}

bool TextSynthesizer::SetVolume(int volume) {
  if (!IsValidVolume(volume)) return false;
  volume_ = volume;
  return true;
}

void TextSynthesizer::Say(const Utterance& u) {
  WriteLog(log_, {"speak", u.voice, std::to_string(u.rate), std::to_string(u.volume), u.text});
}

bool TextSynthesizer::Speak(int /*flags*/, const std::string& text) {
  if (voices_.empty()) return false;
  Utterance utterance{voice_, rate_, volume_, text};
  if (paused_) {
    queue_.push_back(std::move(utterance));
  } else {
    Say(utterance);
  }
  return true;
}

bool TextSynthesizer::SpeakToFile(int /*flags*/, const std::string& text, const std::string& path) {
  if (voices_.empty() || path.empty()) return false;
  if (!files::WriteFileAtomically(fs_, path, MakeToneWaveForText(text))) return false;
  WriteLog(log_, {"file", voice_, std::to_string(rate_), std::to_string(volume_), text, path});
  return true;
}

bool TextSynthesizer::Stop() {
  const size_t dropped = queue_.size();
  queue_.clear();
  WriteLog(log_, {"stop", std::to_string(dropped)});
  return true;
}

bool TextSynthesizer::Pause() {
  if (voices_.empty()) return false;
  if (!paused_) {
    paused_ = true;
    WriteLog(log_, {"pause"});
  }
  return true;
}

bool TextSynthesizer::Resume() {
  if (!paused_) return true;
  paused_ = false;
  WriteLog(log_, {"resume"});
  while (!queue_.empty()) {
    const Utterance next = std::move(queue_.front());
    queue_.pop_front();
    Say(next);
  }
  return true;
}

}  // namespace voz::speech
