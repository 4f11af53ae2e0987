// A main window's logic wired to in-memory fakes of everything it touches.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"
#include "platform/ui/FakeControls.h"
#include "recordstore/RecordStore.h"
#include "speech/SpeechLog.h"
#include "speech/TextSynthesizer.h"
#include "vozmara/core/IniSettings.h"
#include "vozmara/core/MainContext.h"
#include "vozmara/core/MainWindowDesign.h"

namespace voz::core::testing {

struct FakeRecognizer final : speech::SpeechRecognizer {
  std::vector<int> installed = {speech::kChinese, speech::kEnglish};
  bool stopSucceeds = true;
  bool listening = false;
  int language = -1;
  std::vector<std::string> calls;  // "start 0", "stop", "phrases 3", "training"
  std::vector<speech::PhraseEntry> phrases;

  bool SetPhrases(std::vector<speech::PhraseEntry> list) override {
    calls.push_back("phrases " + std::to_string(list.size()));
    phrases = std::move(list);
    return true;
  }
  bool Start(int lang, int) override {
    calls.push_back("start " + std::to_string(lang));
    for (int l : installed) {
      if (l == lang) {
        listening = true;
        language = lang;
        return true;
      }
    }
    return false;
  }
  bool Stop() override {
    calls.push_back("stop");
    if (!stopSucceeds) return false;
    listening = false;
    return true;
  }
  bool IsListening() const override { return listening; }
  bool OpenTraining(speech::NativeWindow) override {
    calls.push_back("training");
    return true;
  }
};

struct ShownMessage {
  std::string text, title;
  MessageIcon icon;
};

struct FakeDialogs final : Dialogs {
  std::vector<ShownMessage> messages;
  std::vector<bool> downloads;  // one entry per opening: modal or not
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  void OpenEngineDownload(bool modal) override { downloads.push_back(modal); }
};

struct FakeTray final : Tray {
  bool shown = false;
  TrayIconKind icon = TrayIconKind::Idle;
  std::string tip;
  void Show(TrayIconKind kind, const std::string& text) override {
    shown = true;
    icon = kind;
    tip = text;
  }
  void Remove() override { shown = false; }
};

struct FakeVolume final : SystemVolume {
  unsigned left = 32767, right = 32767;
  bool open = false;
  bool Open() override { return open = true; }
  void Close() override { open = false; }
  unsigned Maximum() override { return 65535; }
  bool Read(unsigned& l, unsigned& r) override {
    l = left;
    r = right;
    return true;
  }
  bool Write(unsigned l, unsigned r) override {
    left = l;
    right = r;
    return true;
  }
};

struct FakeProcesses final : ProcessList {
  std::vector<std::string> names = {"explorer.exe", "Vozmara.exe"};
  std::vector<std::string> ExecutableNames() override { return names; }
};

struct FakePointer final : PointerWindows {
  std::deque<PointedWindow> next;  // one per call; empty = the desktop
  PointedWindow UnderPointer() override {
    if (next.empty()) return {};
    PointedWindow w = next.front();
    next.pop_front();
    return w;
  }
};

struct FakeProgram final : Program, MainWindowExtras {
  std::string exe = "Vozmara.exe";
  bool quit = false;
  std::vector<std::string> skins;
  int waveformStarts = 0, popups = 0;
  std::string ExecutableFileName() override { return exe; }
  std::string Directory() override { return "C:\\Vozmara"; }
  void Quit() override { quit = true; }
  bool SetSkinPicture(const std::string& bytes) override {
    skins.push_back(bytes);
    return true;
  }
  void EnableVisualStyles() override {}
  void StartWaveform() override { ++waveformStarts; }
  void PopUpControlMenu() override { ++popups; }
  void* NativeHandle() override { return nullptr; }
};

struct CoreFixture {
  files::MemoryFileSystem fs;
  ui::FakeControls window{MainWindowDesign()};
  ProgramState state;
  recordstore::RecordStore store{fs};
  library::CommandLibrary library{store};
  FakeRecognizer recognizer;
  std::vector<std::string> log;  // the voice's log lines
  std::shared_ptr<speech::LineLog> lineLog =
      std::make_shared<speech::LineLog>([this](const std::string& line) { log.push_back(line); });
  speech::TextSynthesizer voice{{{"Microsoft Zira", {0x409}}, {"Microsoft Huihui", {0x804}}}, lineLog, fs};
  ini::IniFiles iniFiles{fs, ini::IniFiles::Options{std::chrono::steady_clock::duration::zero(), {}}};
  IniSettings settings{iniFiles, "C:\\Vozmara\\参数.ini"};
  FakeDialogs dialogs;
  FakeTray tray;
  FakeVolume volume;
  FakeProcesses processes;
  FakePointer pointer;
  FakeProgram program;
  MainContext c{window, state, library, recognizer, voice, settings, dialogs, tray, volume,
                processes, pointer, program, program, fs};

  // "参数.ini" holding the given GBK bytes.
  void SetSettingsFile(const std::string& gbkBytes) { fs.files[settings.Path()] = gbkBytes; }
  std::string Setting(const std::string& section, const std::string& key) { return settings.Read(section, key); }
};

}  // namespace voz::core::testing
