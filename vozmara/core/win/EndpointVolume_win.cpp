#include "vozmara/core/win/EndpointVolume_win.h"

#include <mmdeviceapi.h>

namespace voz::core::win {

voz::win::ComPtr<IAudioEndpointVolume> DefaultEndpointVolume() {
  voz::win::ComPtr<IMMDeviceEnumerator> enumerator;
  voz::win::ComPtr<IMMDevice> device;
  voz::win::ComPtr<IAudioEndpointVolume> volume;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IMMDeviceEnumerator), enumerator.PutVoid())) ||
      FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.Put())) ||
      FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr, volume.PutVoid()))) {
    return {};
  }
  return volume;
}

}  // namespace voz::core::win
