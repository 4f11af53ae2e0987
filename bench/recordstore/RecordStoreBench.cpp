// Record store figures: opening a large command library and building the
// phrase list from it, and durable single changes on a mid-sized one.
// Works on real files in the temporary folder.
//
//   recordstore_bench [RECORDS_FOR_OPEN] [RECORDS_FOR_WRITE]
//
// VOZ_BENCH_KEEP=1 keeps the generated files in the temporary folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"
#include "recordstore/RecordStore.h"

namespace {

using namespace voz::recordstore;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
  double median = 0, best = 0, worst = 0;
};

Figures Summarise(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Print(const char* what, const Figures& f) {
  std::printf("%-52s median %9.2f ms  best %9.2f ms  worst %9.2f ms\n", what, f.median, f.best, f.worst);
}

// A library of the command-library schema with user-like records.
Table Library(int count) {
  Table table{{{"命令类型", FieldKind::Int16}, {"语音命令", FieldKind::Text}, {"执行", FieldKind::Text},
               {"横坐标", FieldKind::Int32}, {"纵坐标", FieldKind::Int32}, {"点击类型", FieldKind::Int16},
               {"第一键", FieldKind::Int32}, {"第二键", FieldKind::Int32}, {"第三键", FieldKind::Int32}},
              {}};
  table.records.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) {
    const std::int64_t type = i <= 43 ? 5 : i % 5;
    table.records.push_back({type, "打开 程序 " + std::to_string(i),
                             "C:\\Program Files\\工具\\程序" + std::to_string(i) + ".exe", std::int64_t{i % 1920},
                             std::int64_t{i % 1080}, std::int64_t{i % 4}, std::int64_t{17}, std::int64_t{67},
                             std::int64_t{-1}});
  }
  return table;
}

// Opening the library and building the phrase list, as the main window does.
size_t OpenAndBuildPhraseList(voz::files::FileSystem& fs, const std::string& path, std::vector<std::string>& phrases,
                              std::vector<std::string>& rows) {
  RecordStore store(fs);
  store.Open(path);
  phrases.clear();
  rows.clear();
  const int count = store.RecordCount();
  for (int i = 1; i <= count; ++i) {
    std::string t = store.Read("语音命令")->AsText();
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
    rows.push_back("[" + t + "]");
    phrases.push_back(std::move(t));
    store.Skip(1);
  }
  return phrases.size();
}

std::string Utf8(const std::filesystem::path& path) {
  const auto u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

}  // namespace

int main(int argc, char** argv) {
  const int openRecords = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int writeRecords = argc > 2 ? std::atoi(argv[2]) : 10000;
  auto& fs = voz::files::RealFileSystem();
  const auto folder = std::filesystem::temp_directory_path() /
                      ("voz-recordstore-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(folder);
  const std::string big = Utf8(folder / "big.edb");
  const std::string mid = Utf8(folder / "mid.edb");
  int status = 0;

  if (!WriteTableFile(fs, big, Library(openRecords)) || !WriteTableFile(fs, mid, Library(writeRecords))) {
    std::fprintf(stderr, "recordstore_bench: cannot write the libraries in %s\n", Utf8(folder).c_str());
    status = 1;
  } else {
    std::printf("library of %d records: %llu bytes\n", openRecords,
                static_cast<unsigned long long>(std::filesystem::file_size(folder / "big.edb")));
    std::vector<std::string> phrases, rows;
    std::vector<double> ms;
    for (int run = 0; run < 7; ++run) {
      const auto start = Clock::now();
      if (OpenAndBuildPhraseList(fs, big, phrases, rows) != static_cast<size_t>(openRecords)) status = 1;
      ms.push_back(MsSince(start));
    }
    Print(("open + phrase list, " + std::to_string(openRecords) + " records").c_str(), Summarise(ms));

    RecordStore store(fs);
    store.Open(mid);
    std::vector<double> writes, adds, deletes;
    for (int run = 0; run < 15; ++run) {
      store.GoTo(writeRecords / 2);
      auto start = Clock::now();
      if (!store.Write("语音命令", std::string("改过的命令 ") + std::to_string(run))) status = 1;
      writes.push_back(MsSince(start));
      start = Clock::now();
      if (!store.Add({std::int64_t{0}, std::string("新命令"), std::string("notepad.exe")})) status = 1;
      adds.push_back(MsSince(start));
      start = Clock::now();
      if (!store.DeleteAndPurge()) status = 1;
      deletes.push_back(MsSince(start));
    }
    const std::string at = ", " + std::to_string(writeRecords) + " records (durable)";
    Print(("write field" + at).c_str(), Summarise(writes));
    Print(("add" + at).c_str(), Summarise(adds));
    Print(("delete and purge" + at).c_str(), Summarise(deletes));
    if (status != 0) std::fprintf(stderr, "recordstore_bench: an operation failed\n");
  }
  if (std::getenv("VOZ_BENCH_KEEP")) return status;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
