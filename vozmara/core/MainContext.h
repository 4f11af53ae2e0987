// Everything the main window's logic works on, gathered so that handlers
// take one argument. The program fills it with Win32 adapters, tests with
// fakes.
#pragma once

#include "platform/ui/Controls.h"
#include "speech/SpeechRecognizer.h"
#include "speech/SpeechSynthesizer.h"
#include "vozmara/core/ActionPlatform.h"
#include "vozmara/core/Platform.h"
#include "vozmara/core/ProgramState.h"
#include "vozmara/core/RangeWindow.h"
#include "vozmara/library/CommandLibrary.h"

namespace voz::files {
class FileSystem;
}

namespace voz::core {

class Operations;

struct MainContext {
  ui::Controls& window;
  ProgramState& state;
  library::CommandLibrary& library;
  speech::SpeechRecognizer& recognizer;
  speech::SpeechSynthesizer& voice;
  Settings& settings;
  Dialogs& dialogs;
  Tray& tray;
  SystemVolume& volume;
  ProcessList& processes;
  PointerWindows& pointer;
  Program& program;
  MainWindowExtras& extras;
  files::FileSystem& fs;
  ActionPlatform& actions;
  // The operations behind menu entries; built-in commands call the same ones.
  const Operations& operations;
  RangeDialog& rangeDialog;  // 设置范围, modal
};

}  // namespace voz::core
