// Vozmara's entry point: the program-wide voice, the main window, the event loop.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "speech/CommandLine.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechSwitches.h"
#include "vozmara/core/win/MainWindow_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // SAPI and the imaging component are apartment-threaded COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  const auto switches = voz::speech::ParseSpeechSwitches(voz::speech::ProgramArguments());
  const auto engine = voz::speech::CreateSpeechEngine(switches.options);
  int exitCode = 0;
  {
    // The one voice of the program lives until the end of the run.
    const auto voice = engine->CreateSynthesizer();
    voz::core::win::MainWindow window(instance, *engine, *voice);
    if (window.Create()) {
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window.Handle(), &message)) {
          TranslateMessage(&message);
          DispatchMessageW(&message);
        }
      }
      exitCode = static_cast<int>(message.wParam);
    }
    voice->Stop();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
