#include <windows.h>

#include "tools/vozctl/SayCommand.h"
#include "vozmara/core/RemoteProtocol.h"

namespace voz::vozctl {

SayDelivery DeliverPhrase(const std::u16string& phrase) {
  HWND window = FindWindowW(L"VozmaraMainWindow", nullptr);
  if (window == nullptr) return SayDelivery::kNotRunning;
  COPYDATASTRUCT data{};
  data.dwData = core::kCopyDataSayPhrase;
  data.cbData = static_cast<DWORD>(phrase.size() * sizeof(char16_t));
  data.lpData = const_cast<char16_t*>(phrase.data());
  DWORD_PTR reply = 0;
  // A modal message box in Vozmara still answers; a hung program must not hang us.
  if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                           &reply)) {
    return SayDelivery::kNoAnswer;
  }
  return reply == 1 ? SayDelivery::kHeard : SayDelivery::kNotListening;
}

}  // namespace voz::vozctl
