// Megabytes pasted from the clipboard: Start still answers with the message
// box, and the program still ends cleanly.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "child_process.h"
#include "e2e_fixture.h"
#include "poll.h"
#include "x_input.h"

namespace e2e {
namespace {

constexpr size_t kPasteBytes = 4 << 20;

// Numbered lines of Chinese and ASCII, far more than ten of them.
std::string WriteLargeText(const std::string& path) {
  std::string text;
  for (int i = 1; text.size() < kPasteBytes; ++i) {
    text += "弹幕第" + std::to_string(i) + "行，粘贴测试 paste test line\n";
  }
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

class LargePasteTest : public EndToEndTest {
 protected:
  void TearDown() override {
    EndToEndTest::TearDown();
    std::remove(textPath_.c_str());
  }
  const std::string textPath_ = testing::TempDir() + "quillaro_large_paste.txt";
};

TEST_F(LargePasteTest, StartAfterPastingMegabytesShowsTheMessageAndTheProgramEndsCleanly) {
  // xclip stays in the foreground (-quiet) and serves the clipboard until killed.
  ChildProcess clipboard(
      {"xclip", "-quiet", "-selection", "clipboard", "-i", WriteLargeText(textPath_)});
  ASSERT_NO_FATAL_FAILURE(Launch(kChineseLang));
  App().ClickIntoEditBox();
  ASSERT_TRUE(WaitForFocus(App().MainWindow(), 10s));

  const auto pasted = std::chrono::steady_clock::now();
  PressKeys("ctrl+a");
  PressKeys("ctrl+v");
  App().ClickCentreOf(kStartButton);
  const auto box = WaitForWindowTitled(kMessageBoxTitle, 60s);
  ASSERT_TRUE(box) << "no message box within 60 s";
  std::cout << "paste of " << (kPasteBytes >> 20) << " MiB and Start: message box after "
            << SecondsSince(pasted) << " s\n";
  EXPECT_FALSE(App().FindOverlay());
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(*box));

  const auto closing = std::chrono::steady_clock::now();
  CloseMainWindowWithEsc(120s);
  std::cout << "closing with the pasted text: " << SecondsSince(closing) << " s\n";
}

}  // namespace
}  // namespace e2e
