// A second copy of the program: refused when its executable has the same
// name, with the extension in either exact case; the first copy goes on
// undisturbed. A copy whose extension is in mixed case is not counted.
#include <windows.h>

#include "tests/e2e/VozmaraFixture.h"
#include "tests/e2e/driver/Paths.h"

namespace voz::e2e {
namespace {

struct SecondCopyCase {
  const char* name;
  const wchar_t* secondExe;  // the second copy's file name, in a folder of its own
  bool refused;
  // gtest names the case instead of dumping its bytes.
  friend void PrintTo(const SecondCopyCase& c, std::ostream* os) { *os << c.name; }
};

class SecondCopyTest : public VozmaraTest, public ::testing::WithParamInterface<SecondCopyCase> {
 protected:
  void TearDown() override {
    if (second) second->Kill();
    if (!HasFailure()) secondFolder.Remove();
    VozmaraTest::TearDown();
  }

  ProgramFolder secondFolder;
  std::unique_ptr<VozmaraRun> second;
};

TEST_P(SecondCopyTest, OnlyTheSameExecutableNameIsRefused) {
  const SecondCopyCase& c = GetParam();
  std::string error;
  ASSERT_TRUE(secondFolder.Create(std::string("SecondCopy.") + c.name, &error)) << error;
  if (std::wstring(c.secondExe) != kVozmaraExe) {
    // The same program under another spelling of its name.
    ASSERT_TRUE(DeleteFileW(secondFolder.File(kVozmaraExe).c_str()));
    ASSERT_TRUE(CopyFileW(Join(DistDir(), kVozmaraExe).c_str(), secondFolder.File(c.secondExe).c_str(), FALSE));
  }
  ASSERT_TRUE(Start());
  second = std::make_unique<VozmaraRun>(secondFolder, "second", c.secondExe);
  ASSERT_TRUE(second->Launch({}, &error)) << error;

  if (c.refused) {
    const auto box = WaitMessageBox(second->Id(), "温馨提示:");
    ASSERT_TRUE(box.has_value()) << "the second copy showed no message";
    EXPECT_EQ(box->text, "程序已经运行!");
    EXPECT_STREQ(BoxIconName(MessageBoxIcon(box->handle)), "information");
    const Hwnd secondMain = FindTopWindow(second->Id(), kMainWindowClass);
    EXPECT_FALSE(secondMain != nullptr && IsShown(secondMain)) << "the refused copy shows its window";
    EXPECT_TRUE(AnswerMessageBox(box->handle));
    EXPECT_TRUE(second->Process().WaitExit(kShortTimeout)) << "the refused copy did not end";
    EXPECT_TRUE(LogEvents(second->SpeechLog(), "speak").empty()) << "the refused copy went on with its start";
  } else {
    std::string startError;
    EXPECT_TRUE(second->Start({}, &startError)) << startError;
    EXPECT_FALSE(FindMessageBox(second->Id()));
  }

  // The first copy is as it was.
  EXPECT_TRUE(app.Process().Running());
  EXPECT_TRUE(Window().Shown());
  EXPECT_EQ(Window().Caption(), "欢迎使用 - Vozmara V9.0");
  EXPECT_EQ(Status(), "状态:没有控制");
  EXPECT_FALSE(FindMessageBox(app.Id()));
}

INSTANTIATE_TEST_SUITE_P(Copies, SecondCopyTest,
                         ::testing::Values(SecondCopyCase{"SameName", L"Vozmara.exe", true},
                                           SecondCopyCase{"UpperCaseExtension", L"Vozmara.EXE", true},
                                           SecondCopyCase{"MixedCaseExtension", L"Vozmara.Exe", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace voz::e2e
