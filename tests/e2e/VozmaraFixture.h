// The fixture of the end-to-end tests: a fresh program folder per test, the
// program started from it, and everything killed when the test ends. The
// folder stays behind when the test fails, for a look at its files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/MenuTree.h"
#include "tests/e2e/driver/MessageBoxProbe.h"
#include "tests/e2e/driver/ProgramFolder.h"
#include "tests/e2e/driver/VozmaraRun.h"
#include "tests/e2e/driver/Wait.h"
#include "vozmara/core/MainWindowDesign.h"

namespace voz::e2e {

class VozmaraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string error;
    ASSERT_TRUE(folder.Create(std::string(test->test_suite_name()) + "." + test->name(), &error)) << error;
  }

  void TearDown() override {
    app.Kill();
    if (!HasFailure()) folder.Remove();
  }

  ::testing::AssertionResult Start(const StartOptions& options = {}) { return StartRun(app, options); }

  ::testing::AssertionResult StartRun(VozmaraRun& run, const StartOptions& options = {}) {
    std::string error;
    if (!run.Start(options, &error)) return ::testing::AssertionFailure() << error;
    return ::testing::AssertionSuccess();
  }

  const AppWindow& Window() const { return app.Window(); }

  // ControlStatusText: part 2 of the status bar.
  std::string Status() const { return Window().StatusPart(core::状态条1, core::kStatusPartControl); }

  MenuTree Menus() {
    std::string error;
    auto menus = app.Menus(&error);
    EXPECT_TRUE(menus.has_value()) << error;
    return menus.value_or(MenuTree{});
  }

  // The enabled flags of the four control entries, e.g. "开始控制 on, 暂停控制 off, ...".
  static std::string ControlFlags(const MenuTree& menus) {
    std::string flags;
    for (int id : {core::开始控制, core::暂停控制, core::继续控制, core::停止控制}) {
      const MenuEntry* entry = menus.Find(id);
      if (!flags.empty()) flags += ", ";
      flags += entry ? entry->caption + (entry->disabled ? " off" : " on") : "#" + std::to_string(id) + " missing";
    }
    return flags;
  }

  // Waits until the status text is `expected`; the text then.
  std::string WaitStatus(const std::string& expected) {
    std::string status;
    WaitUntil([&] { return (status = Status()) == expected; });
    return status;
  }

  ProgramFolder folder;
  VozmaraRun app{folder};
};

}  // namespace voz::e2e
