#include "speech/SapiRecognizerWin32.h"

#include <sphelper.h>

#include <optional>

#include "speech/Phrases.h"
#include "speech/SapiWin32.h"

namespace voz::speech::win {

namespace {

// Ids of the two grammars: the command grammar is created first, so it wins
// when both match.
constexpr ULONGLONG kCommandGrammar = 1;
constexpr ULONGLONG kDictationGrammar = 2;
constexpr DWORD kCommandRule = 1;
constexpr const WCHAR* kEntryProperty = L"entry";

std::wstring RequiredLanguage(int language) {
  return L"Language=" + Wide(LanguageAttributeValue(LangIdOfRecognitionLanguage(language)));
}

// Our property in a recognised phrase (it sits on the top-level rule).
const SPPHRASEPROPERTY* FindEntryProperty(const SPPHRASEPROPERTY* property) {
  for (; property != nullptr; property = property->pNextSibling) {
    if (property->pszName != nullptr && std::wstring_view(property->pszName) == kEntryProperty) return property;
    if (const SPPHRASEPROPERTY* child = FindEntryProperty(property->pFirstChild)) return child;
  }
  return nullptr;
}

}  // namespace

SapiRecognizer::~SapiRecognizer() { Unload(); }

HRESULT SapiRecognizer::CreateEngine(ISpObjectToken* engineToken, ComPtr<ISpRecognizer>& recognizer) {
  // In process, so that stopping (closing the audio) concerns this program
  // only; the shared recognizer's state belongs to every program.
  HRESULT hr = CreateInstance(CLSID_SpInprocRecognizer, recognizer);
  if (SUCCEEDED(hr)) hr = recognizer->SetRecognizer(engineToken);
  ComPtr<ISpObjectToken> audioIn;
  if (SUCCEEDED(hr)) hr = DefaultToken(SPCAT_AUDIOIN, audioIn);
  if (SUCCEEDED(hr)) hr = recognizer->SetInput(audioIn.Get(), TRUE);
  if (FAILED(hr)) recognizer.Reset();
  return hr;
}

bool SapiRecognizer::SetPhrases(std::vector<PhraseEntry> phrases) {
  phrases_ = std::move(phrases);
  if (!context_) return true;  // built at the next start
  if (!commands_) {
    reloadAtStart_ = true;
    return !listening_;
  }
  // The rule may only change while the engine is held still.
  const bool hold = listening_ && SUCCEEDED(context_->Pause(0));
  const bool ok = BuildCommands() >= 0;
  if (hold) context_->Resume(0);
  if (!ok) reloadAtStart_ = true;
  return ok;
}

int SapiRecognizer::BuildCommands() {
  committedTexts_.clear();
  if (FAILED(commands_->ClearRule(rule_))) return -1;
  const auto plan = PlanCommandRule(phrases_, [this](const std::string& word) {
    SPWORDPRONOUNCEABLE pronounceable = SPWP_UNKNOWN_WORD_PRONOUNCEABLE;
    // An engine that cannot tell is given the word.
    return FAILED(commands_->IsPronounceable(Wide(word).c_str(), &pronounceable)) ||
           pronounceable != SPWP_UNKNOWN_WORD_UNPRONOUNCEABLE;
  });
  int added = 0;
  for (const RuleTransition& transition : plan) {
    const std::wstring text = Wide(phrases_[transition.entry].text);
    SPPROPERTYINFO property{};
    property.pszName = kEntryProperty;
    property.ulId = transition.entry + 1;
    property.pszValue = text.c_str();
    property.vValue.vt = VT_UI4;
    property.vValue.ulVal = transition.entry;
    if (SUCCEEDED(commands_->AddWordTransition(rule_, nullptr, Wide(transition.spokenForm).c_str(), L" ",
                                               SPWT_LEXICAL, 1.0f, &property))) {
      ++added;
    }
  }
  const HRESULT committed = commands_->Commit(0);
  // An empty rule may not commit; the dictation grammar still listens.
  if (added == 0) {
    commands_->SetRuleState(nullptr, nullptr, SPRS_INACTIVE);
    return 0;
  }
  if (FAILED(committed) || FAILED(commands_->SetRuleState(nullptr, nullptr, SPRS_ACTIVE))) return -1;
  for (const PhraseEntry& entry : phrases_) committedTexts_.push_back(entry.text);
  return added;
}

bool SapiRecognizer::Load(ISpObjectToken* engineToken, int language) {
  if (!window_.Create([this] { OnNotify(); })) return false;
  if (FAILED(CreateEngine(engineToken, recognizer_))) return false;
  if (FAILED(recognizer_->CreateRecoContext(context_.Put())) ||
      FAILED(context_->SetNotifyWindowMessage(window_.Handle(), MessageWindow::kNotifyMessage, 0, 0)) ||
      FAILED(context_->SetInterest(SPFEI(SPEI_RECOGNITION), SPFEI(SPEI_RECOGNITION)))) {
    return false;
  }
  bool commandsReady = SUCCEEDED(context_->CreateGrammar(kCommandGrammar, commands_.Put())) &&
                       SUCCEEDED(commands_->GetRule(L"commands", kCommandRule,
                                                    SPRAF_TopLevel | SPRAF_Active | SPRAF_Dynamic, TRUE, &rule_));
  if (commandsReady) commandsReady = BuildCommands() >= 0;
  if (!commandsReady) commands_.Reset();
  const bool dictationReady = SUCCEEDED(context_->CreateGrammar(kDictationGrammar, dictation_.Put())) &&
                              SUCCEEDED(dictation_->LoadDictation(nullptr, SPLO_STATIC)) &&
                              SUCCEEDED(dictation_->SetDictationState(SPRS_ACTIVE));
  if (!dictationReady) dictation_.Reset();
  // Nothing to listen for means no usable engine.
  if (!commandsReady && !dictationReady) return false;
  if (FAILED(recognizer_->SetRecoState(SPRST_ACTIVE))) return false;
  loadedLanguage_ = language;
  reloadAtStart_ = false;
  return true;
}

bool SapiRecognizer::Resume() {
  return SUCCEEDED(context_->SetContextState(SPCS_ENABLED)) &&
         SUCCEEDED(recognizer_->SetRecoState(SPRST_ACTIVE));
}

void SapiRecognizer::Unload() {
  listening_ = false;
  if (context_) context_->SetNotifySink(nullptr);
  dictation_.Reset();
  commands_.Reset();
  rule_ = nullptr;
  committedTexts_.clear();
  context_.Reset();
  recognizer_.Reset();
  loadedLanguage_ = -1;
}

bool SapiRecognizer::Start(int language, int mode) {
  if (mode != 0 || LangIdOfRecognitionLanguage(language) == 0) return false;
  if (listening_ && language == loadedLanguage_) return true;
  lastLanguage_ = language;
  if (context_ && language == loadedLanguage_ && !reloadAtStart_) {
    if (Resume()) {
      listening_ = true;
      return true;
    }
    Unload();  // load afresh below
  }
  // Look the engine up first, so that asking for a missing language leaves
  // the current one listening.
  ComPtr<ISpObjectToken> engine;
  if (FAILED(FindFirstToken(SPCAT_RECOGNIZERS, RequiredLanguage(language).c_str(), engine))) return false;
  Unload();
  if (!Load(engine.Get(), language)) {
    Unload();
    return false;
  }
  listening_ = true;
  return true;
}

bool SapiRecognizer::Stop() {
  if (!listening_) return true;
  listening_ = false;
  // Disabling the context ends recognition; the inactive state closes the
  // audio device and drops what it had buffered. Our recognizer is in
  // process, so no other program is affected.
  const bool stopped = SUCCEEDED(context_->SetContextState(SPCS_DISABLED)) &&
                       SUCCEEDED(recognizer_->SetRecoState(SPRST_INACTIVE_WITH_PURGE));
  if (!stopped) Unload();  // releasing the engine ends listening for sure
  return true;
}

bool SapiRecognizer::OpenTraining(NativeWindow owner) {
  ComPtr<ISpRecognizer> recognizer = recognizer_;
  if (!recognizer) {
    ComPtr<ISpObjectToken> engine;
    if (FAILED(FindFirstToken(SPCAT_RECOGNIZERS, RequiredLanguage(lastLanguage_).c_str(), engine)) ||
        FAILED(CreateEngine(engine.Get(), recognizer))) {
      return false;
    }
  }
  BOOL supported = FALSE;
  if (FAILED(recognizer->IsUISupported(SPDUI_UserTraining, nullptr, 0, &supported)) || !supported) return false;
  // The wizard needs the microphone to itself while it runs.
  const bool wasListening = listening_ && recognizer_;
  if (wasListening) recognizer_->SetRecoState(SPRST_INACTIVE);
  const HRESULT hr =
      recognizer->DisplayUI(static_cast<HWND>(owner), nullptr, SPDUI_UserTraining, nullptr, 0);
  if (wasListening && recognizer_) recognizer_->SetRecoState(SPRST_ACTIVE);
  return SUCCEEDED(hr);
}

std::string SapiRecognizer::TextOf(ISpRecoResult* result) const {
  SPPHRASE* phrase = nullptr;
  std::optional<std::string> text;
  if (SUCCEEDED(result->GetPhrase(&phrase)) && phrase != nullptr) {
    if (phrase->ullGrammarID == kCommandGrammar) {
      if (const SPPHRASEPROPERTY* property = FindEntryProperty(phrase->pProperties)) {
        const ULONG index = property->vValue.vt == VT_UI4 ? property->vValue.ulVal : property->ulId - 1;
        std::optional<std::string> carried;
        if (property->pszValue != nullptr) carried = Utf8(property->pszValue);
        text = CommandResultText(committedTexts_, index, carried);
      }
    }
    CoTaskMemFree(phrase);
  }
  if (!text) {
    // Dictation: the whole phrase with the engine's replacements.
    CoTaskString whole;
    if (SUCCEEDED(result->GetText(SP_GETWHOLEPHRASE, SP_GETWHOLEPHRASE, TRUE, whole.Put(), nullptr))) {
      text = Utf8(whole.Get());
    }
  }
  return text.value_or(std::string());
}

void SapiRecognizer::OnNotify() {
  if (!context_) return;
  // Drain the queue first, then raise: a handler may stop or destroy us.
  std::vector<std::string> texts;
  SPEVENT event{};
  ULONG fetched = 0;
  while (context_->GetEvents(1, &event, &fetched) == S_OK && fetched == 1) {
    if (event.eEventId == SPEI_RECOGNITION && event.elParamType == SPET_LPARAM_IS_OBJECT && event.lParam != 0 &&
        listening_) {
      ComPtr<ISpRecoResult> result;
      if (SUCCEEDED(reinterpret_cast<IUnknown*>(event.lParam)
                        ->QueryInterface(__uuidof(ISpRecoResult), result.PutVoid()))) {
        std::string text = TextOf(result.Get());
        if (!text.empty()) texts.push_back(std::move(text));
      }
    }
    ClearEvent(event);
    fetched = 0;
  }
  const std::weak_ptr<int> alive = alive_;
  for (const std::string& text : texts) {
    if (alive.expired() || !listening_) break;
    RaiseRecognised(text);
  }
}

}  // namespace voz::speech::win
