// Mixed mode, the mode of a fresh start: a phrase that is no command is
// pasted into the window with the keyboard focus and echoed as typed text.
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {
namespace {

using namespace core;

TEST_F(VoiceTest, MixedModePastesAnUnknownPhraseIntoNotepad) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Window().Checked(混合模式单选框));
  ASSERT_TRUE(StartControl());
  ASSERT_TRUE(StartNotepad());
  const int selected = Window().ListSelection(CommandListBox);

  ASSERT_TRUE(Say("今天天气很好 OK"));
  EXPECT_EQ(notepad.WaitText("今天天气很好 OK"), "今天天气很好 OK");
  EXPECT_EQ(Echo(), "今天天气很好 OK\r\n");
  EXPECT_EQ(ClipboardText(), "今天天气很好 OK") << "the clipboard keeps the pasted text";
  // Typed text selects no command row.
  EXPECT_EQ(Window().ListSelection(CommandListBox), selected);
  EXPECT_FALSE(FindMessageBox(app.Id()));
}

}  // namespace
}  // namespace voz::e2e
