#include <windows.h>
#include <sapi.h>
#include <sphelper.h>

#include "platform/text/Encoding.h"
#include "speech/SapiWin32.h"
#include "speech/Voices.h"

namespace voz::speech::win {

namespace {

std::string StringValue(ISpDataKey* key, const WCHAR* name) {
  CoTaskString value;
  if (FAILED(key->GetStringValue(name, value.Put())) || value.Get() == nullptr) return {};
  return Utf8(value.Get());
}

std::string Attribute(ISpObjectToken* token, const WCHAR* name) {
  ComPtr<ISpDataKey> attributes;
  if (FAILED(token->OpenKey(SPTOKENKEY_ATTRIBUTES, attributes.Put())) || !attributes) return {};
  return StringValue(attributes.Get(), name);
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
  const std::u16string wide = text::Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string Utf8(const WCHAR* wide) {
  if (wide == nullptr) return {};
  const std::wstring_view view(wide);
  return text::Utf16ToUtf8(std::u16string(view.begin(), view.end()));
}

HRESULT FindFirstToken(const WCHAR* category, const WCHAR* required, ComPtr<ISpObjectToken>& token) {
  token.Reset();
  ComPtr<IEnumSpObjectTokens> tokens;
  HRESULT hr = SpEnumTokens(category, required, nullptr, tokens.Put());
  if (FAILED(hr)) return hr;
  if (!tokens) return SPERR_NOT_FOUND;
  hr = tokens->Next(1, token.Put(), nullptr);
  if (hr != S_OK || !token) {
    token.Reset();
    return FAILED(hr) ? hr : SPERR_NOT_FOUND;
  }
  return S_OK;
}

HRESULT DefaultToken(const WCHAR* category, ComPtr<ISpObjectToken>& token) {
  token.Reset();
  ComPtr<ISpObjectTokenCategory> tokenCategory;
  HRESULT hr = SpGetCategoryFromId(category, tokenCategory.Put());
  if (FAILED(hr)) return hr;
  CoTaskString id;
  hr = tokenCategory->GetDefaultTokenId(id.Put());
  if (FAILED(hr)) return hr;
  if (id.Get() == nullptr) return SPERR_NOT_FOUND;
  hr = CreateInstance(CLSID_SpObjectToken, token);
  if (FAILED(hr)) return hr;
  hr = token->SetId(nullptr, id.Get(), FALSE);
  if (FAILED(hr)) token.Reset();
  return hr;
}

std::vector<ComPtr<ISpObjectToken>> AllTokens(const WCHAR* category) {
  std::vector<ComPtr<ISpObjectToken>> all;
  ComPtr<IEnumSpObjectTokens> tokens;
  if (FAILED(SpEnumTokens(category, nullptr, nullptr, tokens.Put())) || !tokens) return all;
  ULONG count = 0;
  if (FAILED(tokens->GetCount(&count))) return all;
  for (ULONG i = 0; i < count; ++i) {
    ComPtr<ISpObjectToken> token;
    if (tokens->Next(1, token.Put(), nullptr) != S_OK || !token) break;
    all.push_back(token);
  }
  return all;
}

std::string TokenName(ISpObjectToken* token) {
  if (token == nullptr) return {};
  CoTaskString description;
  if (SUCCEEDED(SpGetDescription(token, description.Put())) && description.Get() != nullptr &&
      description.Get()[0] != L'\0') {
    return Utf8(description.Get());
  }
  std::string name = Attribute(token, L"Name");
  if (!name.empty()) return name;
  CoTaskString id;
  if (FAILED(token->GetId(id.Put())) || id.Get() == nullptr) return {};
  const std::wstring_view full(id.Get());
  const size_t slash = full.find_last_of(L'\\');
  const std::wstring tail(slash == std::wstring_view::npos ? full : full.substr(slash + 1));
  return Utf8(tail.c_str());
}

std::vector<std::uint16_t> TokenLanguages(ISpObjectToken* token) {
  if (token == nullptr) return {};
  return ParseLanguageAttribute(Attribute(token, L"Language"));
}

void ClearEvent(SPEVENT& event) {
  switch (event.elParamType) {
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT:
      if (event.lParam != 0) reinterpret_cast<IUnknown*>(event.lParam)->Release();
      break;
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING:
      CoTaskMemFree(reinterpret_cast<void*>(event.lParam));
      break;
    default:
      break;
  }
  event.lParam = 0;
  event.elParamType = SPET_LPARAM_IS_UNDEFINED;
}

}  // namespace voz::speech::win
