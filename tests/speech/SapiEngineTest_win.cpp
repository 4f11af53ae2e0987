// The SAPI engine on the machine at hand. Under Wine, which has no
// recognizer and a voice whose calls are not implemented, everything must
// fail cleanly; on Windows with engines the same checks hold.
#include <windows.h>

#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "speech/CommandLine.h"
#include "speech/MessageWindowWin32.h"
#include "speech/SpeechEngine.h"
#include "speech/TextRecognizer.h"
#include "speech/WaveFile.h"

namespace voz::speech {
namespace {

bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

TEST(SapiEngine, RecognizerWithoutEngineFailsToStart) {
  auto recognizer = CreateSpeechEngine(SpeechOptions{})->CreateRecognizer();
  ASSERT_EQ(dynamic_cast<TextRecognizer*>(recognizer.get()), nullptr);
  int raised = 0;
  recognizer->SetRecognisedHandler([&](const std::string&) { ++raised; });
  EXPECT_TRUE(recognizer->SetPhrases({{"打开记事本", {}}, {"10", {"/10/十;"}}}));
  EXPECT_FALSE(recognizer->Start(2, 0));
  EXPECT_FALSE(recognizer->Start(kChinese, 1));
  for (int language : {kChinese, kEnglish}) {
    const bool started = recognizer->Start(language, 0);
    if (UnderWine()) {
      EXPECT_FALSE(started);
    }
    EXPECT_EQ(recognizer->IsListening(), started);
    EXPECT_TRUE(recognizer->SetPhrases(PhrasesFromTexts({"停止控制"})));
    EXPECT_TRUE(recognizer->Stop());
    EXPECT_FALSE(recognizer->IsListening());
  }
  if (UnderWine()) {
    EXPECT_FALSE(recognizer->OpenTraining(nullptr));
  }
  PumpMessages();
  EXPECT_EQ(raised, 0);
}

TEST(SapiEngine, VoiceFailsCleanlyWhereSapiIsMissing) {
  auto voice = CreateSpeechEngine(SpeechOptions{})->CreateSynthesizer();
  const auto voices = voice->Voices();
  for (const auto& info : voices) {
    std::printf("voice \"%s\", %zu language(s)\n", info.name.c_str(), info.languages.size());
    EXPECT_FALSE(info.name.empty());
    voice->SelectVoice(info.name);  // must not crash; Wine refuses SetVoice
  }
  EXPECT_FALSE(voice->SelectVoice("no such voice"));
  // Outside the ranges: refused before SAPI is asked.
  EXPECT_FALSE(voice->SetRate(11));
  EXPECT_FALSE(voice->SetRate(-11));
  EXPECT_FALSE(voice->SetVolume(101));
  EXPECT_FALSE(voice->SetVolume(-1));
  const bool spoke = voice->Speak(0, "欢迎您使用Vozmara");
  const bool paused = voice->Pause();
  EXPECT_EQ(voice->IsPaused(), paused);
  EXPECT_TRUE(voice->Resume());
  EXPECT_FALSE(voice->IsPaused());
  voice->Stop();
  if (UnderWine()) {
    EXPECT_FALSE(spoke);
    EXPECT_FALSE(paused);
    EXPECT_FALSE(voice->SetRate(5));
    EXPECT_FALSE(voice->SetVolume(50));
  }
  voice->Reset();
  EXPECT_FALSE(voice->IsPaused());
}

TEST(SapiEngine, SpeakToFileIsWholeOrLeavesTheOldFile) {
  testing::ScratchDir dir;
  auto voice = CreateSpeechEngine(SpeechOptions{})->CreateSynthesizer();
  const std::string fresh = dir.File("朗读.wav");
  const bool written = voice->SpeakToFile(0, "你好", fresh);
  if (UnderWine()) {
    EXPECT_FALSE(written);
  }
  if (written) {
    const auto info = ReadPcmWave(testing::ScratchDir::Read(fresh));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, (PcmFormat{22050, 16, 1}));
  } else {
    EXPECT_FALSE(std::filesystem::exists(testing::ScratchDir::Native(fresh)));
  }
  const std::string old = dir.File("old.wav");
  { std::ofstream(testing::ScratchDir::Native(old), std::ios::binary) << "old"; }
  if (!voice->SpeakToFile(0, "你好", old)) {
    EXPECT_EQ(testing::ScratchDir::Read(old), "old");
  }
  EXPECT_FALSE(voice->SpeakToFile(0, "x", dir.File("missing/a.wav")));
  EXPECT_FALSE(voice->SpeakToFile(0, "x", ""));
  // Nothing half-written is left behind.
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ScratchDir::Native(dir.File("")))) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, written ? 2u : 1u);
}

TEST(SapiEngine, TextSwitchChoosesTheTextEngine) {
  const auto parsed = ParseSpeechSwitches({"--speech=text"});
  auto recognizer = CreateSpeechEngine(parsed.options)->CreateRecognizer();
  EXPECT_NE(dynamic_cast<TextRecognizer*>(recognizer.get()), nullptr);
  EXPECT_EQ(ProgramArguments().size(), static_cast<size_t>(__argc > 0 ? __argc - 1 : 0));
}

TEST(MessageWindow, NotifiesOnTheCreatingThreadAndSurvivesSelfDestruction) {
  auto window = std::make_unique<win::MessageWindow>();
  const DWORD thread = GetCurrentThreadId();
  int calls = 0;
  ASSERT_TRUE(window->Create([&] {
    EXPECT_EQ(GetCurrentThreadId(), thread);
    if (++calls == 2) window.reset();  // the owner goes away inside the callback
  }));
  const HWND hwnd = window->Handle();
  ASSERT_NE(hwnd, nullptr);
  PostMessageW(hwnd, win::MessageWindow::kNotifyMessage, 0, 0);
  PumpMessages();
  EXPECT_EQ(calls, 1);
  PostMessageW(hwnd, win::MessageWindow::kNotifyMessage, 0, 0);
  PostMessageW(hwnd, win::MessageWindow::kNotifyMessage, 0, 0);
  PumpMessages();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(window, nullptr);
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace voz::speech
