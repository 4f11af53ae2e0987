// vozctl ini get FILE SECTION KEY / vozctl ini set FILE SECTION KEY VALUE:
// one item of an INI file, read and written as the programs do.
#include "platform/ini/IniFiles.h"
#include "tools/vozctl/Commands.h"

namespace voz::vozctl {

namespace {

void PrintIniUsage(std::ostream& err) {
  err << "usage:\n"
         "  vozctl ini get FILE SECTION KEY\n"
         "  vozctl ini set FILE SECTION KEY VALUE\n";
}

int Get(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err) {
  const std::string& file = args[1];
  if (!fs.Exists(file)) {
    err << "vozctl: " << file << ": no such file\n";
    return kExitFailure;
  }
  ini::IniFiles ini(fs);
  out << ini.Read(file, args[2], args[3]) << '\n';
  return kExitOk;
}

int Set(const Args& args, files::FileSystem& fs, std::ostream& err) {
  const std::string& file = args[1];
  ini::IniFiles ini(fs);
  switch (ini.WriteItem(file, args[2], args[3], args[4])) {
    case ini::IniWriteStatus::kWritten:
    case ini::IniWriteStatus::kUnchanged:
      return kExitOk;
    case ini::IniWriteStatus::kRefused:
      err << "vozctl: cannot store [" << args[2] << "] " << args[3]
          << " so that it reads back: line breaks, a ']' in the section, a '=' in the key, a key starting with "
             "';' or '[', or a name the file's encoding lacks\n";
      return kExitFailure;
    case ini::IniWriteStatus::kFailed:
      break;
  }
  err << "vozctl: " << file << ": could not write (missing folder, read-only file or full disk?); "
      << "nothing was changed\n";
  return kExitFailure;
}

}  // namespace

int RunIniCommand(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "get" && args.size() == 4) return Get(args, fs, out, err);
  if (!args.empty() && args[0] == "set" && args.size() == 5) return Set(args, fs, err);
  if (args.empty() || (args[0] != "get" && args[0] != "set")) {
    err << "vozctl: ini needs 'get' or 'set'\n";
  } else {
    err << "vozctl: ini " << args[0] << " takes " << (args[0] == "get" ? 3 : 4) << " arguments, not "
        << args.size() - 1 << '\n';
  }
  PrintIniUsage(err);
  return kExitUsage;
}

}  // namespace voz::vozctl
