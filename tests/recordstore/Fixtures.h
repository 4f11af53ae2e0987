// Small tables the record store tests share.
#pragma once

#include <string>

#include "recordstore/RecordStore.h"

namespace voz::recordstore::testing {

// The nine fields of the command library.
inline std::vector<FieldDef> LibraryFields() {
  return {{"命令类型", FieldKind::Int16}, {"语音命令", FieldKind::Text}, {"执行", FieldKind::Text},
          {"横坐标", FieldKind::Int32},   {"纵坐标", FieldKind::Int32},   {"点击类型", FieldKind::Int16},
          {"第一键", FieldKind::Int32},   {"第二键", FieldKind::Int32},   {"第三键", FieldKind::Int32}};
}

inline std::vector<Cell> LibraryRecord(std::int64_t type, std::string phrase, std::string run = {}) {
  return {type, std::move(phrase), std::move(run), std::int64_t{0}, std::int64_t{0},
          std::int64_t{0}, std::int64_t{0}, std::int64_t{-1}, std::int64_t{-1}};
}

// A library of `count` records whose phrases are "命令1", "命令2", ...
inline Table Library(int count) {
  Table table{LibraryFields(), {}};
  for (int i = 1; i <= count; ++i) table.records.push_back(LibraryRecord(5, "命令" + std::to_string(i)));
  return table;
}

}  // namespace voz::recordstore::testing
