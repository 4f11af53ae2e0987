// Messages other programs send to Vozmara's main window (class
// "VozmaraMainWindow") with WM_COPYDATA. vozctl uses the first to deliver a
// phrase to the text-driven speech engine; test drivers use the second to
// read the menu bar, which Windows does not let another process read.
#pragma once

#include <cstdint>

namespace voz::core {

// Payload: the phrase in UTF-16 (no terminator needed). The reply is 1 when
// the recognizer was listening and raised the phrase, 0 otherwise.
inline constexpr std::uintptr_t kCopyDataSayPhrase = 0x565A0001;

// Payload: a file path in UTF-16. The program writes its menu bar there as
// UTF-8 lines "<depth>\t<id>\t<caption>\t<flags>", flags being letters:
// S separator, P pop-up, G disabled (grayed), C checked. Reply 1 on success.
inline constexpr std::uintptr_t kCopyDataReportMenus = 0x565A0002;

}  // namespace voz::core
