#include <windows.h>

#include <mmsystem.h>

#include "tests/e2e/driver/MasterVolume.h"

namespace voz::e2e {

std::optional<MasterVolume> ReadMasterVolume() {
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return std::nullopt;
  std::optional<MasterVolume> result;
  MIXERLINEW line{};
  line.cbStruct = sizeof line;
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  MIXERCONTROLW control{};
  MIXERLINECONTROLSW controls{};
  controls.cbStruct = sizeof controls;
  controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
  controls.cControls = 1;
  controls.cbmxctrl = sizeof control;
  controls.pamxctrl = &control;
  MIXERCONTROLDETAILS_UNSIGNED channels[2]{};
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.cbDetails = sizeof channels[0];
  details.paDetails = channels;
  auto* object = reinterpret_cast<HMIXEROBJ>(mixer);
  if (mixerGetLineInfoW(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR) {
    controls.dwLineID = line.dwLineID;
    if (mixerGetLineControlsW(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) == MMSYSERR_NOERROR) {
      details.dwControlID = control.dwControlID;
      details.cChannels = line.cChannels >= 2 ? 2 : 1;
      if (mixerGetControlDetailsW(object, &details, MIXER_GETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR) {
        result = MasterVolume{channels[0].dwValue, details.cChannels == 2 ? channels[1].dwValue : channels[0].dwValue,
                              control.Bounds.dwMaximum};
      }
    }
  }
  mixerClose(mixer);
  return result;
}

}  // namespace voz::e2e
