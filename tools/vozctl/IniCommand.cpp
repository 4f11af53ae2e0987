#include "tools/vozctl/Commands.h"

namespace voz::vozctl {

int RunIniCommand(const Args&, files::FileSystem&, std::ostream&, std::ostream& err) {
  err << "vozctl: ini commands are being written\n";
  return kExitFailure;
}

}  // namespace voz::vozctl
