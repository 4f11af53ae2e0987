// The subcommands of vozctl, callable without a process so tests drive them
// directly. Each takes the arguments after its group name ("ini", "edb", ...)
// as UTF-8, writes UTF-8 to out and err, and returns the exit code.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace voz::files {
class FileSystem;
}

namespace voz::vozctl {

using Args = std::vector<std::string>;

int RunIniCommand(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err);
int RunEdbCommand(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err);

// The whole command line (without the program name).
int RunVozctl(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err);

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the operation could not be done
inline constexpr int kExitUsage = 2;    // wrong arguments

}  // namespace voz::vozctl
