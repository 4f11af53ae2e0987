// Fuzz target for the text form reader (vozctl edb load): no input may
// crash it, and an accepted text gives a valid table whose dump reads back
// to the same table and dumps to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recordstore/RecordStore.h"
#include "recordstore/TextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace voz::recordstore;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TextFormError error;
  const auto table = ParseTextForm(text, &error);
  if (!table) {
    if (error.message.empty() || error.line < 0) std::abort();
    return 0;
  }
  if (!IsValidTable(*table)) std::abort();
  const std::string dump = FormatTextForm(*table);
  const auto again = ParseTextForm(dump);
  if (!again || SerializeTable(*again) != SerializeTable(*table) || FormatTextForm(*again) != dump) std::abort();
  return 0;
}
