#include "e2e_fixture.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "poll.h"
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

void EndToEndTest::TearDown() { app_.reset(); }

void EndToEndTest::Launch(const std::string& lang) {
  const auto start = std::chrono::steady_clock::now();
  app_ = std::make_unique<QuillaroApp>(lang);
  ASSERT_TRUE(app_->WaitForMainWindow()) << "MainWindow did not show (LANG=" << lang << ")";
  std::cout << "MainWindow shown " << SecondsSince(start) << " s after start (LANG=" << lang
            << ")\n";
}

void EndToEndTest::DismissMessageBox(WindowId box) {
  ASSERT_TRUE(WaitForFocus(box, 10s)) << "the message box never got the keyboard";
  PressKeys("Return");
  ASSERT_TRUE(WaitUntilNoWindowTitled(kMessageBoxTitle, 10s)) << "Return left the box up";
}

void EndToEndTest::CloseMainWindowWithEsc(std::chrono::milliseconds timeout) {
  App().ClickIntoEditBox();
  ASSERT_TRUE(WaitForFocus(App().MainWindow(), 10s)) << "MainWindow did not get the keyboard";
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
