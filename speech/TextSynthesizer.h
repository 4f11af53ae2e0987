// The text engine's voice: what would be spoken is written to the log as it
// starts, and speech into a file writes a tone WAV (see MakeToneWaveForText).
// Speech takes no time here, so a text is spoken at once unless the voice is
// paused; while paused, texts queue until Resume (spoken) or Stop (dropped).
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"
#include "speech/SpeechLog.h"
#include "speech/SpeechSynthesizer.h"

namespace voz::speech {

class TextSynthesizer final : public SpeechSynthesizer {
 public:
  // `voices` are the installed voices; the first is the default. Without any
  // voice nothing can be spoken.
  TextSynthesizer(std::vector<VoiceInfo> voices, std::shared_ptr<LineLog> log, files::FileSystem& fs);

  bool Reset() override;
  std::vector<VoiceInfo> Voices() override { return voices_; }
  bool SelectVoice(const std::string& name) override;
  bool SetRate(int rate) override;
  bool SetVolume(int volume) override;
  bool Speak(int flags, const std::string& text) override;
  bool SpeakToFile(int flags, const std::string& text, const std::string& path) override;
  bool Stop() override;
  bool Pause() override;
  bool Resume() override;
  bool IsPaused() const override { return paused_; }

  const std::string& CurrentVoice() const { return voice_; }
  int Rate() const { return rate_; }
  int Volume() const { return volume_; }
  size_t QueuedCount() const { return queue_.size(); }

 private:
  struct Utterance {
    std::string voice;
    int rate;
    int volume;
    std::string text;
  };
  void Say(const Utterance& utterance);

  std::vector<VoiceInfo> voices_;
  std::shared_ptr<LineLog> log_;
  files::FileSystem& fs_;
  std::string voice_;
  int rate_ = kDefaultRate;
  int volume_ = kDefaultVolume;
  bool paused_ = false;
  std::deque<Utterance> queue_;
};

}  // namespace voz::speech
