#include "tools/vozctl/SayCommand.h"

#include "platform/text/Encoding.h"

namespace voz::vozctl {

int RunSayCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: vozctl say PHRASE   (one argument; quote a phrase with spaces)\n";
    return kExitUsage;
  }
  const std::string& phrase = args[0];
  if (phrase.empty()) {
    err << "vozctl say: the phrase is empty\n";
    return kExitUsage;
  }
  if (!text::IsValidUtf8(phrase)) {
    err << "vozctl say: the phrase is not valid text\n";
    return kExitUsage;
  }
  switch (DeliverPhrase(text::Utf8ToUtf16(phrase))) {
    case SayDelivery::kHeard:
      out << "heard: " << phrase << "\n";
      return kExitOk;
    case SayDelivery::kNotListening:
      err << "vozctl say: Vozmara is not listening; start control first (语音控制/开始控制)\n";
      return kExitFailure;
    case SayDelivery::kNotRunning:
      err << "vozctl say: Vozmara is not running\n";
      return kExitFailure;
    case SayDelivery::kNoAnswer:
      err << "vozctl say: Vozmara did not answer\n";
      return kExitFailure;
    case SayDelivery::kUnsupported:
      break;
  }
  err << "vozctl say: works only on Windows, where Vozmara runs\n";
  return kExitFailure;
}

#ifndef _WIN32
SayDelivery DeliverPhrase(const std::u16string&) { return SayDelivery::kUnsupported; }
#endif

}  // namespace voz::vozctl
