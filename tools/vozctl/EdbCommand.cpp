#include "tools/vozctl/Commands.h"

namespace voz::vozctl {

int RunEdbCommand(const Args&, files::FileSystem&, std::ostream&, std::ostream& err) {
  err << "vozctl: edb commands are being written\n";
  return kExitFailure;
}

}  // namespace voz::vozctl
