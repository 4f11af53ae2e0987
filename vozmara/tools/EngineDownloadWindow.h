// The engine download hint window "语音识别引擎下载提示:": installation
// instructions for the speech engine and voices, with links to download them.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Design.h"

namespace voz::tools {

// Controls of the window, by their design names.
enum EngineDownloadControl : int {
  编辑框1 = 100,  // the instructions
  超级链接框1,
  超级链接框2,
  超级链接框3,
  超级链接框4,
  超级链接框5,
  超级链接框6,
  超级链接框7,
  超级链接框8,
  超级链接框9,
  超级链接框10,
  超级链接框11,
  超级链接框12,
};

// The design. Its hyperlinks carry their visible texts; the addresses come
// from EngineDownloadAddress.
const ui::WindowDesign& EngineDownloadDesign();

// The addresses of the window's links, by control id (empty = a heading).
std::string EngineDownloadAddress(int controlId);

#ifdef _WIN32
// Opens the window; modal returns when it closes.
void ShowEngineDownloadWindow(void* ownerWindow, bool modal);
#endif

}  // namespace voz::tools
