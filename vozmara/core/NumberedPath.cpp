#include "vozmara/core/NumberedPath.h"

namespace voz::core {

std::string NextFreeNumberedPath(files::FileSystem& fs, const std::string& folder, const std::string& prefix,
                                 const std::string& extension) {
  for (unsigned long long n = 1;; ++n) {
    std::string path = folder + "\\" + prefix + std::to_string(n) + extension;
    if (!fs.Exists(path)) return path;
  }
}

}  // namespace voz::core
