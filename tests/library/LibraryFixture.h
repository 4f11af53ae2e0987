// Small command libraries written into a MemoryFileSystem for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "vozmara/library/CommandFields.h"
#include "vozmara/library/CommandLibrary.h"

namespace voz::library::testing {

inline const std::string kProgramDirectory = "C:\\Vozmara";

inline std::string LibraryFile() { return CommandLibraryPath(kProgramDirectory); }

// One record of the standard schema: type, phrase, 执行, x, y, click, keys.
inline std::vector<recordstore::Cell> Row(std::int64_t type, std::string phrase,
                                          std::string execute = "", std::int64_t x = 0,
                                          std::int64_t y = 0, std::int64_t click = 0,
                                          std::int64_t first = 0, std::int64_t second = 0,
                                          std::int64_t third = 0) {
  return {type, std::move(phrase), std::move(execute), x, y, click, first, second, third};
}

inline recordstore::Table Library(std::vector<std::vector<recordstore::Cell>> records) {
  return recordstore::Table{CommandLibrarySchema(), std::move(records)};
}

inline void WriteLibrary(files::MemoryFileSystem& fs, const recordstore::Table& table) {
  fs.files[LibraryFile()] = recordstore::SerializeTable(table);
}

// A library of n built-in records whose phrases are "命令1" ... "命令n".
inline recordstore::Table BuiltinOnlyLibrary(int n) {
  std::vector<std::vector<recordstore::Cell>> records;
  for (int i = 1; i <= n; ++i) records.push_back(Row(5, "命令" + std::to_string(i), "说明"));
  return Library(std::move(records));
}

}  // namespace voz::library::testing
