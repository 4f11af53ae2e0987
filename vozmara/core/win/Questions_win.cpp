// Yes/no questions as message boxes owned by the main window.
#include "platform/ui/Win32Window.h"
#include "vozmara/core/win/ActionAdapters_win.h"

namespace voz::core::win {

namespace {

class Win32Questions final : public Questions {
 public:
  explicit Win32Questions(HWND owner) : owner_(owner) {}

  bool AskYesNo(const std::string& text, const std::string& title) override {
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    // A spoken command may come while the window is hidden or behind others:
    // the question is brought to the front.
    return MessageBoxW(owner, ui::Wide(text).c_str(), ui::Wide(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
  }

 private:
  HWND owner_;
};

}  // namespace

std::unique_ptr<Questions> CreateQuestions(HWND owner) { return std::make_unique<Win32Questions>(owner); }

}  // namespace voz::core::win
