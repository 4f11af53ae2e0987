// Where the end-to-end tests find the shipped program, their helper programs
// and their scratch folders, and the text conversions their calls need.
#pragma once

#include <string>
#include <string_view>

namespace voz::e2e {

std::wstring DistDir();          // the distribution folder: Vozmara.exe, vozctl.exe, 命令库.edb
std::wstring RunsDir();          // one program folder per test is made under it
std::wstring FailuresDir();      // screenshots of failed tests
std::wstring ChatProbeExe();     // the stand-in for the QQ chat window
std::wstring ShippedLibraryText();  // resources/command-library.txt

// A path from a compile definition ("/" or "\" separated), with "\" as Win32 calls want.
std::wstring PathFromDefinition(const char* utf8);

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// "<folder>\<name>".
std::wstring Join(std::wstring_view folder, std::wstring_view name);

}  // namespace voz::e2e
