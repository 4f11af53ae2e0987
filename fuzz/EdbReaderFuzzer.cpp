// Fuzz target for the store file reader: ParseTable and RecordStore::Open
// over an in-memory disk. Whatever the bytes, nothing may crash, a rejected
// file stays untouched, and an accepted one is canonical: it serializes (and
// goes through the text form) back to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/files/MemoryFileSystem.h"
#include "recordstore/RecordStore.h"
#include "recordstore/TextForm.h"

namespace {

using namespace voz::recordstore;

constexpr const char* kPath = "/d/命令库.edb";

void Require(bool condition) {
  if (!condition) std::abort();
}

void Check(std::string_view bytes) {
  const auto table = ParseTable(bytes);
  if (table) {
    Require(IsValidTable(*table));
    Require(SerializeTable(*table) == bytes);
    const auto back = ParseTextForm(FormatTextForm(*table));
    Require(back.has_value() && SerializeTable(*back) == bytes);
  }

  voz::files::MemoryFileSystem fs;
  fs.files[kPath] = std::string(bytes);
  RecordStore store(fs);
  Require(store.Open(kPath) == table.has_value());
  Require(store.RecordCount() == (table ? static_cast<int>(table->records.size()) : 0));
  for (int i = 1; store.GoTo(i); ++i) {
    for (const auto& field : store.Fields()) {
      const auto value = store.Read(field.name);
      Require(value.has_value());
      (void)value->AsText();
      (void)value->AsInt32();
      (void)value->AsDouble();
    }
  }
  store.Skip(-1);
  store.Skip(+1);
  if (!table) {
    Require(!store.Add({}));
    Require(fs.files.size() == 1 && fs.files[kPath] == bytes && fs.steps == 0);
    return;
  }
  // The write path on an accepted file: delete the first record and reopen.
  if (store.GoTo(1) && store.DeleteAndPurge()) {
    RecordStore reopened(fs);
    Require(reopened.Open(kPath) && reopened.RecordCount() == store.RecordCount());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Check(bytes);
  // Almost every mutation breaks the checksum; the same bytes with a fresh
  // checksum reach the parser behind it.
  if (size >= 4) {
    std::string sealed(bytes.substr(0, size - 4));
    const std::uint32_t crc = Crc32(sealed);
    for (int i = 0; i < 4; ++i) sealed.push_back(static_cast<char>((crc >> (8 * i)) & 0xFF));
    if (sealed != bytes) Check(sealed);
  }
  return 0;
}
