// Numbered files on the desktop: "屏幕快照1.jpg", "截图2.jpg", "录音3.wav".
#pragma once

#include <string>

#include "platform/files/FileSystem.h"

namespace voz::core {

// folder + "\" + prefix + n + extension for the first n from 1 whose file
// does not exist.
std::string NextFreeNumberedPath(files::FileSystem& fs, const std::string& folder, const std::string& prefix,
                                 const std::string& extension);

}  // namespace voz::core
