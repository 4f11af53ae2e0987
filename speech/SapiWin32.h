// What the SAPI recognizer and voice share: token lookup, token names and
// languages, event clean-up and text conversion. Windows only.
#pragma once

#include <windows.h>
#include <sapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/ComPtr.h"

namespace voz::speech::win {

using ::voz::win::CoTaskString;
using ::voz::win::ComApartment;
using ::voz::win::ComPtr;
using ::voz::win::CreateInstance;

std::wstring Wide(const std::string& utf8);
std::string Utf8(const WCHAR* wide);

// The first token of `category` that has the required attributes (e.g.
// L"Language=804"), as SpFindBestToken finds it. SPERR_NOT_FOUND when there
// is none; other failures (a missing category gives
// SPERR_INVALID_REGISTRY_KEY) are passed on.
HRESULT FindFirstToken(const WCHAR* category, const WCHAR* required, ComPtr<ISpObjectToken>& token);

// The category's default token (e.g. the default audio input).
HRESULT DefaultToken(const WCHAR* category, ComPtr<ISpObjectToken>& token);

// All tokens of `category` in the engine's order; empty on any failure.
std::vector<ComPtr<ISpObjectToken>> AllTokens(const WCHAR* category);

// Display name: the description, else the "Name" attribute, else the last
// part of the token id.
std::string TokenName(ISpObjectToken* token);
// The ids in the "Language" attribute.
std::vector<std::uint16_t> TokenLanguages(ISpObjectToken* token);

// Releases or frees what the event's lParam holds.
void ClearEvent(SPEVENT& event);

}  // namespace voz::speech::win
