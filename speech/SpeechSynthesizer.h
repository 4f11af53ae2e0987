// A text-to-speech voice: asynchronous, queued speech to the speakers, and
// synchronous speech into a WAV file.
#pragma once

#include <string>
#include <vector>

#include "speech/Voices.h"

namespace voz::speech {

inline constexpr int kMinRate = -10;
inline constexpr int kMaxRate = 10;
inline constexpr int kMinVolume = 0;
inline constexpr int kMaxVolume = 100;
inline constexpr int kDefaultRate = 0;
inline constexpr int kDefaultVolume = 100;

// Speak flags: 0 is plain text (no markup); other bits are ignored.
inline constexpr int kSpeakPlainText = 0;

class SpeechSynthesizer {
 public:
  virtual ~SpeechSynthesizer() = default;

  // Creates the voice anew with the default voice, rate 0 and volume 100;
  // speech under way ends and the voice is no longer paused. False when no
  // voice could be created (every later call then fails harmlessly).
  virtual bool Reset() = 0;

  // The installed voices in the engine's order.
  virtual std::vector<VoiceInfo> Voices() = 0;
  std::vector<std::string> VoiceNames();

  // Later speech uses the first installed voice of that name. False, keeping
  // the current voice, when there is none.
  virtual bool SelectVoice(const std::string& name) = 0;

  // Later speech uses the value; values outside the range are ignored
  // (false).
  virtual bool SetRate(int rate) = 0;
  virtual bool SetVolume(int volume) = 0;

  // Queues the text behind any speech under way and returns at once. While
  // paused the text waits for Resume.
  virtual bool Speak(int flags, const std::string& text) = 0;

  // Speaks the text into a WAV file at `path` (UTF-8) with the current voice,
  // rate and volume, and returns when it is written. True when the whole file
  // is in place; on failure an existing file at `path` is left as it was.
  // Speech to the speakers, queued or paused, is not disturbed.
  virtual bool SpeakToFile(int flags, const std::string& text, const std::string& path) = 0;

  // Current and queued speech end. A paused voice stays paused.
  virtual bool Stop() = 0;

  // Pausing is not counted: a second Pause while paused changes nothing, and
  // one Resume lets speech go on. True when the voice is paused afterwards.
  virtual bool Pause() = 0;
  // True when the voice is not paused afterwards.
  virtual bool Resume() = 0;
  virtual bool IsPaused() const = 0;
};

inline bool IsValidRate(int rate) { return rate >= kMinRate && rate <= kMaxRate; }
inline bool IsValidVolume(int volume) { return volume >= kMinVolume && volume <= kMaxVolume; }

}  // namespace voz::speech
