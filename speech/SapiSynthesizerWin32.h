// The SAPI 5 voice (ISpVoice). Speech to a file uses a second voice of its
// own, so the speakers' queue and pause state stay as they are and a paused
// voice cannot hold the synchronous file speech. Windows only.
#pragma once

#include <windows.h>
#include <sapi.h>

#include <string>
#include <vector>

#include "platform/win/ComPtr.h"
#include "speech/SpeechSynthesizer.h"

namespace voz::speech::win {

using ::voz::win::CoTaskString;
using ::voz::win::ComApartment;
using ::voz::win::ComPtr;
using ::voz::win::CreateInstance;

class SapiSynthesizer final : public SpeechSynthesizer {
 public:
  SapiSynthesizer() { Reset(); }
  ~SapiSynthesizer() override { Release(); }

  bool Reset() override;
  std::vector<VoiceInfo> Voices() override;
  bool SelectVoice(const std::string& name) override;
  bool SetRate(int rate) override;
  bool SetVolume(int volume) override;
  bool Speak(int flags, const std::string& text) override;
  bool SpeakToFile(int flags, const std::string& text, const std::string& path) override;
  bool Stop() override;
  bool Pause() override;
  bool Resume() override;
  bool IsPaused() const override { return paused_; }

 private:
  void Release();
  bool SpeakToStream(const std::wstring& text, const std::wstring& path);

  ComApartment com_;
  ComPtr<ISpVoice> voice_;
  ComPtr<ISpObjectToken> selected_;  // null: the default voice
  int rate_ = kDefaultRate;
  int volume_ = kDefaultVolume;
  // ISpVoice counts pauses; we pause it at most once, so one Resume is
  // always enough.
  bool paused_ = false;
};

}  // namespace voz::speech::win
