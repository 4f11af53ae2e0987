// The SAPI 5 recognizer: an in-process recognition engine chosen by
// language, with a command grammar built from the phrase list and free
// dictation in one recognition context. Results arrive as window messages
// to a hidden window of its own, so they are raised on the thread that
// started listening. Windows only.
#pragma once

#include <windows.h>
#include <sapi.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win/ComPtr.h"
#include "speech/MessageWindowWin32.h"
#include "speech/SpeechRecognizer.h"

namespace voz::speech::win {

using ::voz::win::CoTaskString;
using ::voz::win::ComApartment;
using ::voz::win::ComPtr;
using ::voz::win::CreateInstance;

class SapiRecognizer final : public SpeechRecognizer {
 public:
  SapiRecognizer() = default;
  ~SapiRecognizer() override;

  bool SetPhrases(std::vector<PhraseEntry> phrases) override;
  bool Start(int language, int mode) override;
  bool Stop() override;
  bool IsListening() const override { return listening_; }
  bool OpenTraining(NativeWindow owner) override;

 private:
  // The recognizer with its engine and the default audio input.
  static HRESULT CreateEngine(ISpObjectToken* engineToken, ComPtr<ISpRecognizer>& recognizer);
  bool Load(ISpObjectToken* engineToken, int language);
  bool Resume();
  void Unload();
  // Fills the command rule from phrases_ and commits it; the number of words
  // transitions added, or -1 when the grammar refused.
  int BuildCommands();
  void OnNotify();
  std::string TextOf(ISpRecoResult* result) const;

  ComApartment com_;
  MessageWindow window_;
  ComPtr<ISpRecognizer> recognizer_;
  ComPtr<ISpRecoContext> context_;
  ComPtr<ISpRecoGrammar> commands_;
  ComPtr<ISpRecoGrammar> dictation_;
  SPSTATEHANDLE rule_ = nullptr;
  std::vector<PhraseEntry> phrases_;
  // Entry texts of the committed command rule, by the index in its property.
  std::vector<std::string> committedTexts_;
  int loadedLanguage_ = -1;
  int lastLanguage_ = kChinese;
  // The phrase list could not be applied to the loaded engine.
  bool reloadAtStart_ = false;
  bool listening_ = false;
  // Expires with this object, so a handler that destroys it ends the loop.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace voz::speech::win
