// The mute of the default playback device: Core Audio's endpoint volume,
// else the winmm mixer's mute control of the speakers line.
#include <windows.h>
#include <mmsystem.h>

#include "vozmara/core/win/ActionAdapters_win.h"
#include "vozmara/core/win/EndpointVolume_win.h"

namespace voz::core::win {

namespace {

bool SetEndpointMute(bool muted) {
  const auto volume = DefaultEndpointVolume();
  return volume && SUCCEEDED(volume->SetMute(muted ? TRUE : FALSE, nullptr));  // S_FALSE: it was so already
}

bool SetMixerMute(bool muted) {
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return false;
  auto* object = reinterpret_cast<HMIXEROBJ>(mixer);
  bool done = false;
  MIXERLINEW line{};
  line.cbStruct = sizeof line;
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  if (mixerGetLineInfoW(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) ==
      MMSYSERR_NOERROR) {
    MIXERCONTROLW control{};
    MIXERLINECONTROLSW controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsW(object, &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
        MMSYSERR_NOERROR) {
      // One value for all channels.
      MIXERCONTROLDETAILS_BOOLEAN value{muted ? 1L : 0L};
      MIXERCONTROLDETAILS details{};
      details.cbStruct = sizeof details;
      details.dwControlID = control.dwControlID;
      details.cChannels = 1;
      details.cbDetails = sizeof value;
      details.paDetails = &value;
      done = mixerSetControlDetails(object, &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
             MMSYSERR_NOERROR;
    }
  }
  mixerClose(mixer);
  return done;
}

class Win32MuteSwitch final : public MuteSwitch {
 public:
  bool SetMute(bool muted) override { return SetEndpointMute(muted) || SetMixerMute(muted); }
};

}  // namespace

std::unique_ptr<MuteSwitch> CreateMuteSwitch() { return std::make_unique<Win32MuteSwitch>(); }

}  // namespace voz::core::win
