// What the actions' tests and their probe program agree on.
#pragma once

#include <windows.h>

namespace voz::core::test {

constexpr const wchar_t* kProbeClass = L"VozActionsProbe";
constexpr int kProbeRichId = 10;
constexpr int kProbeEditId = 11;
constexpr int kProbeButtonId = 12;
constexpr UINT kProbeReport = WM_APP + 1;
constexpr UINT kProbeStall = WM_APP + 2;

}  // namespace voz::core::test
