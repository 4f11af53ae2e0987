// The default playback device's endpoint volume (Core Audio), shared by the
// master volume and the mute switch.
#pragma once

#include <windows.h>
#include <endpointvolume.h>

#include "platform/win/ComPtr.h"

namespace voz::core::win {

// Empty when there is no playback device or no Core Audio (COM must be
// initialised on the calling thread).
voz::win::ComPtr<IAudioEndpointVolume> DefaultEndpointVolume();

}  // namespace voz::core::win
