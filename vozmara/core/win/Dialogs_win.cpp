// Message boxes owned by the main window, and the engine download window.
#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/Adapters_win.h"
#include "vozmara/tools/EngineDownloadWindow.h"

namespace voz::core::win {

namespace {

constexpr const char* kDefaultTitle = "Vozmara";

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(HWND owner) : owner_(owner) {}

  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    MessageBoxW(owner, ui::Wide(text).c_str(), ui::Wide(title.empty() ? kDefaultTitle : title).c_str(),
                MB_OK | IconFlag(icon));
  }

  void OpenEngineDownload(bool modal) override { tools::ShowEngineDownloadWindow(owner_, modal); }

 private:
  HWND owner_;
};

}  // namespace

std::unique_ptr<Dialogs> CreateDialogs(HWND owner, HINSTANCE /*instance*/) {
  return std::make_unique<Win32Dialogs>(owner);
}

}  // namespace voz::core::win
