// A main window's logic wired to in-memory fakes of everything it touches.
#pragma once

#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <utility>
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
#include "vozmara/core/Operations.h"

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

// Records every action as one line, so tests compare exact key codes,
// click points and command lines.
struct FakeActions final : Input, Clipboard, Shell, WindowMessages, SystemUtilities, Questions, MuteSwitch {
  std::vector<std::string> done;
  std::string clipboard;
  bool answerYes = true;
  bool utilitiesSucceed = true;
  files::MemoryFileSystem* fs = nullptr;  // where snapshots are written

  static std::string Join(const std::vector<int>& keys) {
    std::string out;
    for (int k : keys) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%s%02X", out.empty() ? "" : "+", k);
      out += hex;
    }
    return out;
  }
  void PressKeys(const std::vector<int>& keys) override { done.push_back("keys " + Join(keys)); }
  void Click(int x, int y, ClickKind kind) override {
    done.push_back("click " + std::to_string(x) + "," + std::to_string(y) + " " +
                   std::to_string(static_cast<int>(kind)));
  }
  bool SetText(const std::string& text) override {
    clipboard = text;
    done.push_back("clipboard " + text);
    return true;
  }
  void Open(const std::string& target) override { done.push_back("open " + target); }
  void Run(const std::string& commandLine) override { done.push_back("run " + commandLine); }
  std::string DesktopFolder() override { return "C:\\Desktop"; }
  std::string FavoritesFolder() override { return "C:\\Favorites"; }
  void Shutdown(ShutdownKind kind) override { done.push_back("shutdown " + std::to_string(static_cast<int>(kind))); }
  void ReplaceSelection(std::uintptr_t window, const std::string& text) override {
    done.push_back("replace " + std::to_string(window) + " " + text);
  }
  void ClickButton(std::uintptr_t window) override { done.push_back("button " + std::to_string(window)); }
  bool ClearHistory() override {
    done.push_back("clear history");
    return utilitiesSucceed;
  }
  bool DeleteTemporaryFiles() override {
    done.push_back("delete temporary files");
    return utilitiesSucceed;
  }
  void MinimizeAllWindows() override { done.push_back("minimize all"); }
  void RestoreAllWindows() override { done.push_back("restore all"); }
  bool ScreenSnapshot(const std::string& path) override {
    done.push_back("snapshot " + path);
    if (fs) fs->files[path] = "picture";
    return true;
  }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    done.push_back("ask " + text + " " + title);
    return answerYes;
  }
  bool SetMute(bool muted) override {
    done.push_back(muted ? "mute" : "unmute");
    return true;
  }
  std::vector<std::string> Take() { return std::exchange(done, {}); }
};

struct FakeRangeDialog final : RangeDialog {
  int runs = 0;
  bool Run() override {
    ++runs;
    return false;
  }
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
  FakeActions actionsDone;
  ActionPlatform actions{actionsDone, actionsDone, actionsDone, actionsDone, actionsDone, actionsDone, actionsDone};
  Operations operations;
  FakeRangeDialog rangeDialog;
  MainContext c{window, state, library, recognizer, voice, settings, dialogs, tray, volume, processes,
                pointer, program, program, fs, actions, operations, rangeDialog};

  CoreFixture() { actionsDone.fs = &fs; }

  // "参数.ini" holding the given GBK bytes.
  void SetSettingsFile(const std::string& gbkBytes) { fs.files[settings.Path()] = gbkBytes; }
  std::string Setting(const std::string& section, const std::string& key) { return settings.Read(section, key); }
};

}  // namespace voz::core::testing
