#include "tests/e2e/driver/Paths.h"

#include "platform/text/Encoding.h"

namespace voz::e2e {

std::wstring PathFromDefinition(const char* utf8) {
  std::wstring path = Widen(utf8);
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::wstring DistDir() { return PathFromDefinition(VOZ_E2E_DIST_DIR); }
std::wstring RunsDir() { return PathFromDefinition(VOZ_E2E_RUNS_DIR); }
std::wstring FailuresDir() { return PathFromDefinition(VOZ_E2E_FAILURES_DIR); }
std::wstring ChatProbeExe() { return PathFromDefinition(VOZ_E2E_CHAT_PROBE); }
std::wstring ShippedLibraryText() { return PathFromDefinition(VOZ_E2E_LIBRARY_TEXT); }

std::wstring Widen(std::string_view utf8) {
  const std::u16string wide = text::Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view utf16) {
  return text::Utf16ToUtf8(std::u16string(utf16.begin(), utf16.end()));
}

std::wstring Join(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  path += name;
  return path;
}

}  // namespace voz::e2e
