#include "speech/SapiSynthesizerWin32.h"

#include <mmreg.h>
#include <sphelper.h>

#include "speech/SapiWin32.h"

// Declared by sapi.h but defined in no MinGW library.
extern "C" const GUID SPDFID_WaveFormatEx = {
    0xC31ADBAE, 0x527F, 0x4FF5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};

namespace voz::speech::win {

namespace {

constexpr DWORD kQueuedPlainText = SPF_ASYNC | SPF_IS_NOT_XML;

WAVEFORMATEX FileFormat() {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = 22050;
  format.wBitsPerSample = 16;
  format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  format.cbSize = 0;
  return format;
}

}  // namespace

void SapiSynthesizer::Release() {
  if (voice_) {
    voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
    if (paused_) voice_->Resume();
  }
  voice_.Reset();
  selected_.Reset();
  paused_ = false;
}

bool SapiSynthesizer::Reset() {
  Release();
  rate_ = kDefaultRate;
  volume_ = kDefaultVolume;
  return SUCCEEDED(CreateInstance(CLSID_SpVoice, voice_));
}

std::vector<VoiceInfo> SapiSynthesizer::Voices() {
  std::vector<VoiceInfo> voices;
  for (const auto& token : AllTokens(SPCAT_VOICES)) {
    voices.push_back({TokenName(token.Get()), TokenLanguages(token.Get())});
  }
  return voices;
}

bool SapiSynthesizer::SelectVoice(const std::string& name) {
  if (!voice_) return false;
  for (const auto& token : AllTokens(SPCAT_VOICES)) {
    if (TokenName(token.Get()) != name) continue;
    if (FAILED(voice_->SetVoice(token.Get()))) return false;
    selected_ = token;
    return true;
  }
  return false;
}

bool SapiSynthesizer::SetRate(int rate) {
  if (!voice_ || !IsValidRate(rate) || FAILED(voice_->SetRate(rate))) return false;
  rate_ = rate;
  return true;
}

bool SapiSynthesizer::SetVolume(int volume) {
  if (!voice_ || !IsValidVolume(volume) || FAILED(voice_->SetVolume(static_cast<USHORT>(volume)))) return false;
  volume_ = volume;
  return true;
}

bool SapiSynthesizer::Speak(int /*flags*/, const std::string& text) {
  if (!voice_) return false;
  ULONG stream = 0;
  return SUCCEEDED(voice_->Speak(Wide(text).c_str(), kQueuedPlainText, &stream));
}

bool SapiSynthesizer::Stop() {
  if (!voice_) return true;
  return SUCCEEDED(voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr));
}

bool SapiSynthesizer::Pause() {
  if (!voice_) return false;
  if (!paused_) paused_ = SUCCEEDED(voice_->Pause());
  return paused_;
}

bool SapiSynthesizer::Resume() {
  if (paused_ && voice_ && SUCCEEDED(voice_->Resume())) paused_ = false;
  return !paused_;
}

bool SapiSynthesizer::SpeakToStream(const std::wstring& text, const std::wstring& path) {
  ComPtr<ISpVoice> fileVoice;
  if (FAILED(CreateInstance(CLSID_SpVoice, fileVoice))) return false;
  if (selected_ && FAILED(fileVoice->SetVoice(selected_.Get()))) return false;
  if (FAILED(fileVoice->SetRate(rate_)) || FAILED(fileVoice->SetVolume(static_cast<USHORT>(volume_)))) {
    return false;
  }
  ComPtr<ISpStream> stream;
  const WAVEFORMATEX format = FileFormat();
  if (FAILED(CreateInstance(CLSID_SpStream, stream)) ||
      FAILED(stream->BindToFile(path.c_str(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &format, SPFEI_ALL_EVENTS))) {
    return false;
  }
  bool ok = SUCCEEDED(fileVoice->SetOutput(stream.Get(), TRUE)) &&
            SUCCEEDED(fileVoice->Speak(text.c_str(), SPF_IS_NOT_XML, nullptr));
  // Closing completes the WAV header; then the voice lets go of the file.
  ok = SUCCEEDED(stream->Close()) && ok;
  fileVoice->SetOutput(nullptr, TRUE);
  return ok;
}

bool SapiSynthesizer::SpeakToFile(int /*flags*/, const std::string& text, const std::string& path) {
  if (!voice_ || path.empty()) return false;
  // Written beside the target and moved over it only when complete, so a
  // failure leaves an existing file as it was.
  const std::wstring target = Wide(path);
  const std::wstring partial = target + L".~speech.tmp";
  DeleteFileW(partial.c_str());
  const bool written = SpeakToStream(Wide(text), partial);
  if (written &&
      MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(partial.c_str());
  return false;
}

}  // namespace voz::speech::win
