// The system master volume on a 0..65535 scale: Core Audio's endpoint volume
// for the left and right channel, else the winmm mixer's master volume (Wine
// implements the first only in part: GetChannelCount and the setters answer
// E_NOTIMPL there, while its mixer works inside one process).
#include <windows.h>
#include <endpointvolume.h>
#include <mmsystem.h>

#include <cmath>

#include "vozmara/core/win/Adapters_win.h"
#include "vozmara/core/win/EndpointVolume_win.h"

namespace voz::core::win {

namespace {

constexpr unsigned kMaximum = 65535;

unsigned Clamp(unsigned level) { return level > kMaximum ? kMaximum : level; }

unsigned LevelFromScalar(float scalar) {
  if (!(scalar > 0.0f)) return 0;  // also NaN
  if (scalar >= 1.0f) return kMaximum;
  return static_cast<unsigned>(std::lround(static_cast<double>(scalar) * kMaximum));
}

float ScalarFromLevel(unsigned level) { return static_cast<float>(static_cast<double>(Clamp(level)) / kMaximum); }

// The default render endpoint's volume, channels 0 and 1.
class CoreAudioVolume {
 public:
  ~CoreAudioVolume() { Close(); }

  bool Open() {
    Close();
    volume_ = DefaultEndpointVolume();
    if (!volume_) return false;
    UINT channels = 0;
    float probe = 0;
    if (FAILED(volume_->GetChannelCount(&channels)) || channels == 0 ||
        FAILED(volume_->GetChannelVolumeLevelScalar(0, &probe))) {
      Close();
      return false;
    }
    channels_ = channels;
    return true;
  }

  void Close() {
    volume_.Reset();
    channels_ = 0;
  }

  bool IsOpen() const { return static_cast<bool>(volume_); }

  bool Read(unsigned& left, unsigned& right) {
    if (!volume_) return false;
    float l = 0, r = 0;
    if (FAILED(volume_->GetChannelVolumeLevelScalar(0, &l))) return false;
    // A mono endpoint's one channel stands for both.
    if (channels_ < 2) {
      r = l;
    } else if (FAILED(volume_->GetChannelVolumeLevelScalar(1, &r))) {
      return false;
    }
    left = LevelFromScalar(l);
    right = LevelFromScalar(r);
    return true;
  }

  bool Write(unsigned left, unsigned right) {
    if (!volume_) return false;
    if (channels_ < 2) {
      const unsigned both = (Clamp(left) + Clamp(right) + 1) / 2;
      return SUCCEEDED(volume_->SetChannelVolumeLevelScalar(0, ScalarFromLevel(both), nullptr));
    }
    return SUCCEEDED(volume_->SetChannelVolumeLevelScalar(0, ScalarFromLevel(left), nullptr)) &&
           SUCCEEDED(volume_->SetChannelVolumeLevelScalar(1, ScalarFromLevel(right), nullptr));
  }

 private:
  voz::win::ComPtr<IAudioEndpointVolume> volume_;
  UINT channels_ = 0;
};

// The winmm mixer's volume control on the speakers destination line.
class MixerVolume {
 public:
  ~MixerVolume() { Close(); }

  bool Open() {
    Close();
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return false;
    mixer_ = mixer;

    MIXERLINEW line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoW(Object(), &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR) {
      Close();
      return false;
    }
    MIXERCONTROLW control{};
    MIXERLINECONTROLSW controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsW(Object(), &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
      Close();
      return false;
    }
    controlId_ = control.dwControlID;
    minimum_ = control.Bounds.dwMinimum;
    maximum_ = control.Bounds.dwMaximum;
    // A uniform control has one value for all channels.
    channels_ = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) || line.cChannels < 1 ? 1 : line.cChannels;
    if (channels_ > 2) channels_ = 2;
    if (maximum_ <= minimum_) {
      Close();
      return false;
    }
    return true;
  }

  void Close() {
    if (mixer_) mixerClose(mixer_);
    mixer_ = nullptr;
  }

  bool IsOpen() const { return mixer_ != nullptr; }

  bool Read(unsigned& left, unsigned& right) {
    MIXERCONTROLDETAILS_UNSIGNED values[2] = {};
    if (!Details(values, false)) return false;
    left = ToLevel(values[0].dwValue);
    right = ToLevel(values[channels_ > 1 ? 1 : 0].dwValue);
    return true;
  }

  bool Write(unsigned left, unsigned right) {
    MIXERCONTROLDETAILS_UNSIGNED values[2] = {};
    if (channels_ > 1) {
      values[0].dwValue = FromLevel(left);
      values[1].dwValue = FromLevel(right);
    } else {
      values[0].dwValue = FromLevel((Clamp(left) + Clamp(right) + 1) / 2);
    }
    return Details(values, true);
  }

 private:
  HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }

  bool Details(MIXERCONTROLDETAILS_UNSIGNED* values, bool set) {
    if (!mixer_) return false;
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId_;
    details.cChannels = channels_;
    details.cbDetails = sizeof values[0];
    details.paDetails = values;
    const MMRESULT result =
        set ? mixerSetControlDetails(Object(), &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE)
            : mixerGetControlDetailsW(Object(), &details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE);
    return result == MMSYSERR_NOERROR;
  }

  unsigned ToLevel(DWORD value) const {
    if (value <= minimum_) return 0;
    if (value >= maximum_) return kMaximum;
    const double range = static_cast<double>(maximum_ - minimum_);
    return static_cast<unsigned>(std::lround((value - minimum_) * static_cast<double>(kMaximum) / range));
  }

  DWORD FromLevel(unsigned level) const {
    const double range = static_cast<double>(maximum_ - minimum_);
    return minimum_ + static_cast<DWORD>(std::lround(Clamp(level) * range / kMaximum));
  }

  HMIXER mixer_ = nullptr;
  DWORD controlId_ = 0;
  DWORD minimum_ = 0;
  DWORD maximum_ = 0;
  DWORD channels_ = 1;
};

class Win32SystemVolume final : public SystemVolume {
 public:
  ~Win32SystemVolume() override { Close(); }

  bool Open() override {
    Close();
    const bool core = core_.Open();
    const bool mixer = mixer_.Open();
    return core || mixer;
  }

  void Close() override {
    core_.Close();
    mixer_.Close();
  }

  unsigned Maximum() override { return kMaximum; }

  bool Read(unsigned& left, unsigned& right) override {
    unsigned l = 0, r = 0;
    if (!(core_.IsOpen() && core_.Read(l, r)) && !(mixer_.IsOpen() && mixer_.Read(l, r))) return false;
    left = l;
    right = r;
    return true;
  }

  bool Write(unsigned left, unsigned right) override {
    if (core_.IsOpen() && core_.Write(left, right)) return true;
    return mixer_.IsOpen() && mixer_.Write(left, right);
  }

 private:
  CoreAudioVolume core_;
  MixerVolume mixer_;
};

}  // namespace

std::unique_ptr<SystemVolume> CreateSystemVolume() { return std::make_unique<Win32SystemVolume>(); }

}  // namespace voz::core::win
