// The command-line switches that choose the speech engine:
//   --speech=sapi|text                  engine (default sapi)
//   --speech-engines=zh,en              recognition languages the text engine has
//   --speech-voices=NAME:LANG;NAME:LANG voices the text engine has, in order
//   --speech-log=PATH                   the text engine's log file
// Only the "--name=value" form is read; other arguments are left alone.
#pragma once

#include <string>
#include <vector>

#include "speech/Voices.h"

namespace voz::speech {

enum class EngineKind { kSapi, kText };

// An English and a Chinese voice: "Microsoft Sam" (409) and "Microsoft
// Simplified Chinese" (804).
std::vector<VoiceInfo> DefaultTextVoices();

struct SpeechOptions {
  EngineKind engine = EngineKind::kSapi;
  // kChinese and/or kEnglish.
  std::vector<int> recognitionLanguages = {kChinese, kEnglish};
  std::vector<VoiceInfo> voices = DefaultTextVoices();
  std::string logPath;  // empty: no log
};

struct ParsedSpeechSwitches {
  SpeechOptions options;
  // One message per switch or item that was not understood; the option keeps
  // its default (or, for a list, the item is skipped).
  std::vector<std::string> errors;
};

// Later switches override earlier ones.
ParsedSpeechSwitches ParseSpeechSwitches(const std::vector<std::string>& arguments);

}  // namespace voz::speech
