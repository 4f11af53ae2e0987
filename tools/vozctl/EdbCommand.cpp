// vozctl edb: a store file as readable text and back.
#include <ostream>

#include "platform/files/FileSystem.h"
#include "recordstore/RecordStore.h"
#include "recordstore/TextForm.h"
#include "tools/vozctl/Commands.h"

namespace voz::vozctl {

namespace {

void PrintEdbUsage(std::ostream& err) {
  err << "usage:\n"
         "  vozctl edb dump FILE        print a command library as text\n"
         "  vozctl edb load TEXT FILE   write a command library from text (atomically)\n";
}

int Dump(const std::string& path, files::FileSystem& fs, std::ostream& out, std::ostream& err) {
  const auto bytes = fs.ReadAll(path);
  if (!bytes) {
    err << "vozctl edb dump: cannot read " << path << "\n";
    return kExitFailure;
  }
  std::string why;
  const auto table = recordstore::ParseTable(*bytes, &why);
  if (!table) {
    err << "vozctl edb dump: " << path << ": " << why << "\n";
    return kExitFailure;
  }
  out << recordstore::FormatTextForm(*table);
  return kExitOk;
}

int Load(const std::string& textPath, const std::string& path, files::FileSystem& fs, std::ostream& out,
         std::ostream& err) {
  const auto text = fs.ReadAll(textPath);
  if (!text) {
    err << "vozctl edb load: cannot read " << textPath << "\n";
    return kExitFailure;
  }
  recordstore::TextFormError error;
  const auto table = recordstore::ParseTextForm(*text, &error);
  if (!table) {
    err << "vozctl edb load: " << textPath;
    if (error.line > 0) err << ":" << error.line;
    err << ": " << error.message << "\n";
    return kExitFailure;
  }
  if (!recordstore::WriteTableFile(fs, path, *table)) {
    err << "vozctl edb load: cannot write " << path
        << " (read-only file, missing folder or full disk); any earlier file is unchanged\n";
    return kExitFailure;
  }
  out << "vozctl edb load: wrote " << table->records.size() << (table->records.size() == 1 ? " record" : " records")
      << " to " << path << "\n";
  return kExitOk;
}

}  // namespace

int RunEdbCommand(const Args& args, files::FileSystem& fs, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "dump" && args.size() == 2) return Dump(args[1], fs, out, err);
  if (!args.empty() && args[0] == "load" && args.size() == 3) return Load(args[1], args[2], fs, out, err);
  if (args.empty()) {
    err << "vozctl edb: a command is missing\n";
  } else if (args[0] == "dump" || args[0] == "load") {
    err << "vozctl edb " << args[0] << ": wrong number of arguments\n";
  } else {
    err << "vozctl edb: unknown command '" << args[0] << "'\n";
  }
  PrintEdbUsage(err);
  return kExitUsage;
}

}  // namespace voz::vozctl
