// Library commands run by voice against real programs: alias texts and key
// combinations in Wine's notepad, a file opened with the shell, and mouse
// clicks on a probe window's button. Records that the shipped library lacks
// are appended to the test's own copy before the program starts.
#include <windows.h>

#include "recordstore/TextForm.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/ShippedPhrases.h"
#include "tests/e2e_voice/VoiceBench.h"

namespace voz::e2e {
namespace {

using namespace core;

// ".txt" mapped to the "txtfile" class while the object lives, as on any
// Windows system: Wine's prefix has the class and its open command but
// maps no extension to it. A mapping that exists is left alone.
class TextFileAssociation {
 public:
  TextFileAssociation() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L".txt", 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L".txt", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
      return;
    }
    created_ = true;
    const wchar_t value[] = L"txtfile";
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(key);
  }
  ~TextFileAssociation() {
    if (created_) RegDeleteKeyW(HKEY_CLASSES_ROOT, L".txt");
  }
  TextFileAssociation(const TextFileAssociation&) = delete;
  TextFileAssociation& operator=(const TextFileAssociation&) = delete;

 private:
  bool created_ = false;
};

TEST_F(VoiceTest, AliasTextsLandInNotepad) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(StartControl());
  ASSERT_TRUE(StartNotepad());

  ASSERT_TRUE(SayCommand("问候语"));
  EXPECT_EQ(notepad.WaitText("您好，很高兴认识您！"), "您好，很高兴认识您！");
  // A stored line break arrives as one.
  ASSERT_TRUE(SayCommand("邮件结尾"));
  EXPECT_EQ(notepad.WaitText("您好，很高兴认识您！此致\r\n敬礼！"), "您好，很高兴认识您！此致\r\n敬礼！");
  EXPECT_EQ(ClipboardText(), "此致\r\n敬礼！");
}

TEST_F(VoiceTest, SelectAllThenAnAliasReplacesTheSelection) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(StartControl());
  ASSERT_TRUE(StartNotepad());

  ASSERT_TRUE(Say("第一行文字"));
  ASSERT_EQ(notepad.WaitText("第一行文字"), "第一行文字");
  ASSERT_TRUE(SayCommand("全选"));
  std::pair<int, int> selection;
  EXPECT_TRUE(WaitUntil([&] { return (selection = notepad.Selection()) == std::pair<int, int>(0, 5); }))
      << "selection " << selection.first << " to " << selection.second << " after Ctrl+A";
  ASSERT_TRUE(SayCommand("回复收到"));
  EXPECT_EQ(notepad.WaitText("收到，谢谢！"), "收到，谢谢！");
  EXPECT_EQ(Echo(), "第一行文字\r\n[全选]\r\n[回复收到]\r\n");
}

TEST_F(VoiceTest, OpenFileCommandOpensTheTextFileInNotepad) {
  const TextFileAssociation association;
  const std::wstring name = L"语音打开的文件.txt";
  ASSERT_TRUE(folder.Write(name, "opened by voice"));
  ASSERT_TRUE(AppendRecords("record\n命令类型 = 0\n语音命令 = 打开测试文件\n执行 = " +
                            recordstore::EscapeTextValue(Narrow(folder.File(name))) + "\n"));
  ASSERT_TRUE(Start());
  const int rows = ShippedRecordCount() + 1;
  ASSERT_EQ(Window().ListCount(CommandListBox), rows);
  EXPECT_EQ(Window().ListRow(CommandListBox, rows - 1), CommandRow("打开测试文件"));
  ASSERT_TRUE(StartControl());

  ASSERT_TRUE(SayCommand("打开测试文件", rows));
  std::vector<Hwnd> opened;
  WaitUntil([&] { return !(opened = WindowsWithTitle(L"Notepad", "语音打开的文件")).empty(); }, kStartTimeout);
  for (Hwnd window : opened) Adopt(window);
  ASSERT_EQ(opened.size(), 1u) << "notepad windows titled with the file's name";
  const auto edits = DescendantsOfClass(opened.front(), L"Edit");
  ASSERT_FALSE(edits.empty());
  std::string text;
  EXPECT_TRUE(WaitUntil([&] { return (text = WindowText(edits.front())) == "opened by voice"; })) << text;
}

TEST_F(VoiceTest, MouseCommandsClickTheProbeButtonAtItsCentre) {
  const std::wstring report = folder.File(L"click-probe.txt");
  ChildProcess probe;
  std::string error;
  ASSERT_TRUE(probe.Start(ClickProbeExe(), {report, L"700", L"450"}, folder.Path(), &error)) << error;
  Hwnd button = nullptr;
  WaitUntil(
      [&] {
        const Hwnd window = FindTopWindow(probe.Id(), L"VozClickProbe");
        const auto buttons = DescendantsOfClass(window, L"Button");
        button = buttons.empty() ? nullptr : buttons.front();
        return !probe.Running() || (button != nullptr && IsShown(window));
      },
      kStartTimeout);
  ASSERT_NE(button, nullptr) << "the click probe did not come up";
  const Rect r = ScreenRect(button);
  const std::string x = std::to_string(r.CentreX()), y = std::to_string(r.CentreY());
  // 点击类型 0 left single click, 1 left double click.
  ASSERT_TRUE(AppendRecords("record\n命令类型 = 2\n语音命令 = 单击探针按钮\n横坐标 = " + x + "\n纵坐标 = " + y +
                            "\n点击类型 = 0\n"
                            "record\n命令类型 = 2\n语音命令 = 双击探针按钮\n横坐标 = " + x + "\n纵坐标 = " + y +
                            "\n点击类型 = 1\n"));
  MovePointer(1200, 60);
  ASSERT_TRUE(Start());
  const Rect main = Window().Bounds();
  ASSERT_TRUE(main.right <= r.left || main.bottom <= r.top) << "the main window covers the probe";
  ASSERT_TRUE(StartControl());

  const std::string click = "click\t" + x + "\t" + y + "\n";
  std::string got;
  ASSERT_TRUE(SayCommand("单击探针按钮", ShippedRecordCount() + 1));
  EXPECT_TRUE(WaitUntil([&] { return (got = ReadWholeFile(report).value_or("")) == click; })) << got;
  POINT pointer{};
  GetCursorPos(&pointer);
  EXPECT_EQ(pointer.x, r.CentreX());
  EXPECT_EQ(pointer.y, r.CentreY());

  ASSERT_TRUE(SayCommand("双击探针按钮", ShippedRecordCount() + 2));
  EXPECT_TRUE(WaitUntil([&] { return (got = ReadWholeFile(report).value_or("")) == click + click + click; }))
      << got;
}

}  // namespace
}  // namespace voz::e2e
