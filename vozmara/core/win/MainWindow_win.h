// Vozmara's main window on Win32: owns the window, the platform adapters and
// the logic's context, and turns window messages into calls of the logic.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/ini/IniFiles.h"
#include "platform/ui/Win32Window.h"
#include "recordstore/RecordStore.h"
#include "speech/SpeechEngine.h"
#include "vozmara/core/IniSettings.h"
#include "vozmara/core/MainContext.h"
#include "vozmara/core/Operations.h"

namespace voz::core::win {

class MainWindow final : public MainWindowExtras, public Program {
 public:
  MainWindow(HINSTANCE instance, speech::SpeechEngine& engine, speech::SpeechSynthesizer& voice);
  ~MainWindow() override;

  // Creates the window and runs its creation steps. False when the program
  // must end at once.
  bool Create();
  HWND Handle() const { return window_.Handle(); }

  // MainWindowExtras
  bool SetSkinPicture(const std::string& bytes) override;
  void EnableVisualStyles() override;
  void StartWaveform() override;
  void PopUpControlMenu() override;
  void* NativeHandle() override { return window_.Handle(); }

  // Program
  std::string ExecutableFileName() override;
  std::string Directory() override;
  void Quit() override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int notification, HWND control);
  LRESULT OnCopyData(const COPYDATASTRUCT& data);
  void PaintSkin(HDC dc);

  HINSTANCE instance_;
  speech::SpeechSynthesizer& voice_;
  ui::Win32Window window_;
  std::unique_ptr<speech::SpeechRecognizer> recognizer_;
  ini::IniFiles iniFiles_;
  std::unique_ptr<IniSettings> settings_;
  recordstore::RecordStore store_;
  library::CommandLibrary library_;
  ProgramState state_;
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<Tray> tray_;
  std::unique_ptr<SystemVolume> volume_;
  std::unique_ptr<ProcessList> processes_;
  std::unique_ptr<PointerWindows> pointer_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Clipboard> clipboard_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<WindowMessages> messages_;
  std::unique_ptr<SystemUtilities> utilities_;
  std::unique_ptr<Questions> questions_;
  std::unique_ptr<MuteSwitch> mute_;
  std::unique_ptr<ActionPlatform> actions_;
  std::unique_ptr<RangeDialog> rangeDialog_;
  std::unique_ptr<MainContext> context_;
  Operations operations_;
  HBITMAP skin_ = nullptr;
  HICON icon_ = nullptr, idleIcon_ = nullptr, activeIcon_ = nullptr;
  UINT taskbarCreated_ = 0;
  bool quitting_ = false;
};

}  // namespace voz::core::win
