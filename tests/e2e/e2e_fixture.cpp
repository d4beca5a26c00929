#include "e2e_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "poll.h"
#include "screenshot.h"
#include "x_input.h"

namespace e2e {

void EndToEndTest::SetUp() {
  const char* display = std::getenv("DISPLAY");
  ASSERT_TRUE(display && *display)
      << "DISPLAY is not set: run the end-to-end tests through tools/test, which starts a "
         "virtual display and the Wine prefix";
  ASSERT_EQ(access(ExePath().c_str(), R_OK), 0)
      << ExePath() << " is missing: build the windows preset, or set QUILLARO_EXE";
  // The pointer away from every window, so that no button shows a hover look.
  MoveMouseTo(0, 719);
}

void EndToEndTest::TearDown() {
  if (HasFailure()) SaveScreenForALook();
  app_.reset();
}

void EndToEndTest::SaveScreenForALook() {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  const std::string path = testing::TempDir() + "quillaro_failed_" + name + ".ppm";
  TakeScreenshot().Save(path);
  std::cout << "the screen at the end of the failed test: " << path << "\n";
}

void EndToEndTest::Launch(const std::string& lang, const std::string& prefix) {
  const auto start = std::chrono::steady_clock::now();
  app_ = std::make_unique<QuillaroApp>(lang, prefix);
  if (!app_->WaitForMainWindow()) {
    const std::optional<int> exitCode = app_->WaitForExit(0ms);
    FAIL() << "MainWindow did not show (LANG=" << lang << "); "
           << (exitCode ? "the program ended with exit code " + std::to_string(*exitCode)
                        : std::string("the program is still running"));
  }
  std::cout << "MainWindow shown " << SecondsSince(start) << " s after start (LANG=" << lang
            << ")\n";
}

void EndToEndTest::GiveKeyboardTo(WindowId window) {
  FocusWindow(window);
  ASSERT_TRUE(WaitForFocus(window, kWaitBound)) << "the X focus did not move to window " << window;
}

void EndToEndTest::DismissMessageBox(WindowId box) {
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(box));
  PressKeys("Return");
  ASSERT_TRUE(WaitUntilNoWindowTitled(kMessageBoxTitle, kWaitBound)) << "Return left the box up";
}

void EndToEndTest::CloseMainWindowWithEsc(std::chrono::milliseconds timeout) {
  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  PressKeys("Escape");
  ExpectExitCodeZeroAndNoWindow(timeout);
}

void EndToEndTest::ExpectExitCodeZeroAndNoWindow(std::chrono::milliseconds timeout) {
  const auto start = std::chrono::steady_clock::now();
  const std::optional<int> exitCode = App().WaitForExit(timeout);
  ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
  std::cout << "process ended " << SecondsSince(start) << " s after the last input\n";
  EXPECT_EQ(*exitCode, 0);
  EXPECT_TRUE(VisibleWindowsTitled(kMainWindowTitle).empty());
}

}  // namespace e2e
