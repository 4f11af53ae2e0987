// Every change is atomic and durable: whatever step of the write a crash
// hits, the file afterwards holds the old or the new library, and a change
// that reported success is the new one.
#include <gtest/gtest.h>

#include <functional>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "tests/recordstore/Fixtures.h"

namespace voz::recordstore {
namespace {

constexpr const char* kPath = "/p/命令库.edb";

struct Change {
  const char* name;
  std::function<bool(RecordStore&)> apply;
};

const Change kChanges[] = {
    {"write text", [](RecordStore& s) { return s.GoTo(2) && s.Write("语音命令", std::string("新的命令")); }},
    {"write number", [](RecordStore& s) { return s.GoTo(3) && s.Write("第一键", std::int64_t{65}); }},
    {"add", [](RecordStore& s) { return s.Add({std::int64_t{0}, std::string("打开记事本"), std::string("notepad")}); }},
    {"delete", [](RecordStore& s) { return s.GoTo(2) && s.DeleteAndPurge(); }},
};

// The table the store shows, record by record.
Table Snapshot(RecordStore& store) {
  Table table{store.Fields(), {}};
  const int current = store.CurrentNumber();
  for (int i = 1; store.GoTo(i); ++i) {
    std::vector<Cell> record;
    for (const auto& field : table.fields) record.push_back(store.Read(field.name)->cell);
    table.records.push_back(std::move(record));
  }
  store.GoTo(current);
  return table;
}

TEST(RecordStoreFaults, ACrashAtAnyStepLeavesTheOldOrTheNewLibrary) {
  const Table old = testing::Library(4);
  const std::string oldBytes = SerializeTable(old);
  for (const auto& change : kChanges) {
    SCOPED_TRACE(change.name);
    // A run without a crash gives the new library and the number of steps.
    files::MemoryFileSystem clean;
    clean.files[kPath] = oldBytes;
    RecordStore reference(clean);
    ASSERT_TRUE(reference.Open(kPath));
    ASSERT_TRUE(change.apply(reference));
    const Table next = Snapshot(reference);
    ASSERT_NE(next, old);
    ASSERT_EQ(ParseTable(clean.files[kPath]), next);
    const size_t newSize = clean.files[kPath].size();

    for (int step = 0; step <= clean.steps; ++step) {
      for (const size_t partial : {size_t{0}, size_t{1}, size_t{14}, newSize / 2, newSize - 4, newSize - 1}) {
        SCOPED_TRACE("crash at step " + std::to_string(step) + " keeping " + std::to_string(partial) + " bytes");
        files::MemoryFileSystem fs;
        fs.files[kPath] = oldBytes;
        RecordStore store(fs);
        ASSERT_TRUE(store.Open(kPath));
        fs.crashAtStep = step;
        fs.crashPartialBytes = partial;
        const bool applied = change.apply(store);
        // What this store shows agrees with what it reported.
        EXPECT_EQ(Snapshot(store), applied ? next : old);
        fs.Reboot();

        RecordStore after(fs);
        ASSERT_TRUE(after.Open(kPath)) << "the library no longer opens";
        const Table found = Snapshot(after);
        EXPECT_TRUE(found == old || found == next);
        if (applied) {
          EXPECT_EQ(found, next);
        }
      }
    }
  }
}

TEST(RecordStoreFaults, AFailedWriteKeepsStoreAndFileAsTheyWere) {
  struct Case {
    const char* name;
    std::function<void(files::MemoryFileSystem&)> arrange;
  };
  const Case cases[] = {
      {"read-only file", [](files::MemoryFileSystem& fs) { fs.readOnly.insert(kPath); }},
      {"folder gone", [](files::MemoryFileSystem& fs) { fs.missingFolders.insert("/p/"); }},
      {"disk full", [](files::MemoryFileSystem& fs) { fs.capacity = fs.files[kPath].size() + 10; }},
      {"file changed by someone else",
       [](files::MemoryFileSystem& fs) { fs.WriteDurable(kPath, SerializeTable(testing::Library(7))); }},
      {"file removed", [](files::MemoryFileSystem& fs) { fs.files.erase(kPath); }},
  };
  for (const auto& c : cases) {
    for (const auto& change : kChanges) {
      SCOPED_TRACE(std::string(c.name) + ", " + change.name);
      files::MemoryFileSystem fs;
      fs.files[kPath] = SerializeTable(testing::Library(4));
      RecordStore store(fs);
      ASSERT_TRUE(store.Open(kPath));
      c.arrange(fs);
      const auto disk = fs.files;
      EXPECT_FALSE(change.apply(store));
      EXPECT_EQ(Snapshot(store), testing::Library(4));
      EXPECT_EQ(fs.files, disk);
    }
  }
}

}  // namespace
}  // namespace voz::recordstore
