#include "tools/vozctl/Commands.h"
#include "tools/vozctl/SayCommand.h"

namespace voz::vozctl {

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage:\n"
         "  vozctl ini get FILE SECTION KEY         print a value of an INI file\n"
         "  vozctl ini set FILE SECTION KEY VALUE   write a value into an INI file\n"
         "  vozctl edb dump FILE                    print a command library as text\n"
         "  vozctl edb load TEXT FILE               write a command library from text\n"
         "  vozctl say PHRASE                       deliver a phrase to the running Vozmara\n";
}

}  // namespace

int RunVozctl(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(args.empty() ? err : out);
    return args.empty() ? kExitUsage : kExitOk;
  }
  const Args rest(args.begin() + 1, args.end());
  if (args[0] == "ini") return RunIniCommand(rest, fs, out, err);
  if (args[0] == "edb") return RunEdbCommand(rest, fs, out, err);
  if (args[0] == "say") return RunSayCommand(rest, out, err);
  err << "vozctl: unknown command '" << args[0] << "'\n";
  PrintUsage(err);
  return kExitUsage;
}

}  // namespace voz::vozctl
