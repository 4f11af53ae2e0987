// Writes the seed corpora of the fuzz targets: a few small, valid store
// files and text forms covering every field kind. Built and run by
// scripts/fuzz.sh, so the seeds always match the current format.
//
//   make_seeds EDB_FOLDER TEXT_FOLDER
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "recordstore/RecordStore.h"
#include "recordstore/TextForm.h"

namespace {

using namespace voz::recordstore;

bool Save(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

std::vector<Table> Tables() {
  const std::vector<FieldDef> library = {
      {"命令类型", FieldKind::Int16}, {"语音命令", FieldKind::Text}, {"执行", FieldKind::Text},
      {"横坐标", FieldKind::Int32},   {"纵坐标", FieldKind::Int32},   {"点击类型", FieldKind::Int16},
      {"第一键", FieldKind::Int32},   {"第二键", FieldKind::Int32},   {"第三键", FieldKind::Int32}};
  const auto record = [](std::int64_t type, std::string phrase, std::string run) {
    return std::vector<Cell>{type, std::move(phrase), std::move(run), std::int64_t{100}, std::int64_t{200},
                             std::int64_t{1}, std::int64_t{17}, std::int64_t{67}, std::int64_t{-1}};
  };
  Table kinds{{{"t", FieldKind::Text}, {"i8", FieldKind::Int8}, {"i16", FieldKind::Int16},
               {"i32", FieldKind::Int32}, {"i64", FieldKind::Int64}, {"f32", FieldKind::Float32},
               {"f64", FieldKind::Float64}},
              {{std::string(" a\\b\n "), std::int64_t{-128}, std::int64_t{32767}, std::int64_t{-2147483647 - 1},
                std::numeric_limits<std::int64_t>::max(), 0.5, -1e300},
               {std::string(), std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0},
                std::numeric_limits<double>::infinity(), -0.0}}};
  return {
      Table{library, {record(5, "显示命令列表", "列出所有语音命令"), record(0, "打开记事本", "notepad.exe"),
                      record(3, "复 制", "")}},
      kinds,
      Table{{{"n", FieldKind::Int8}}, {}},
      Table{{{"n", FieldKind::Int8}}, {{std::int64_t{1}}, {std::int64_t{2}}}},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds EDB_FOLDER TEXT_FOLDER\n");
    return 2;
  }
  int n = 0;
  for (const auto& table : Tables()) {
    ++n;
    if (!IsValidTable(table) || !Save(std::string(argv[1]) + "/seed" + std::to_string(n) + ".edb", SerializeTable(table)) ||
        !Save(std::string(argv[2]) + "/seed" + std::to_string(n) + ".txt", FormatTextForm(table))) {
      std::fprintf(stderr, "make_seeds: could not write seed %d\n", n);
      return 1;
    }
  }
  return 0;
}
