// On the first failure of a test the whole screen is saved as
// "<failures folder>\<suite>.<test>.bmp", while the programs under test are
// still showing what went wrong.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/Screen.h"

namespace voz::e2e {
namespace {

class FailureScreenshots : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { taken_ = false; }

  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || taken_) return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) return;
    taken_ = true;
    std::wstring name = Widen(std::string(test->test_suite_name()) + "." + test->name() + ".bmp");
    for (auto& c : name) {
      if (c == L'/' || c == L'\\' || c == L':') c = L'_';
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(FailuresDir()), ec);
    const std::wstring path = Join(FailuresDir(), name);
    if (SaveBmp(CaptureScreen(), path)) std::printf("screenshot: %s\n", Narrow(path).c_str());
  }

 private:
  bool taken_ = false;
};

// gtest_main runs the tests; the listener joins before it does.
[[maybe_unused]] const bool registered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FailureScreenshots);
  return true;
}();

}  // namespace
}  // namespace voz::e2e
