// A paste far beyond an edit box's default limit of 30,000 characters:
// Start answers with the message box, the box holds every character of the
// paste, and the program still ends cleanly.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "child_process.h"
#include "e2e_fixture.h"
#include "poll.h"
#include "screenshot.h"
#include "x_input.h"

namespace e2e {
namespace {

constexpr size_t kPastedCharacters = 300'000;

// Numbered lines of Chinese and ASCII, far more than ten of them.
std::string LargeText() {
  std::string text;
  size_t characters = 0;
  for (int i = 1; characters < kPastedCharacters; ++i) {
    const std::string number = std::to_string(i);
    text += "弹幕第" + number + "行，粘贴测试 paste test line\n";
    characters += 10 + number.size() + 17;  // in UTF-16, with the line break as CR LF
  }
  return text;
}

std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// The clipboard's text once some program serves it.
std::optional<std::string> ClipboardText() {
  const CommandResult read = RunCommand({"xclip", "-o", "-selection", "clipboard"});
  if (read.exitCode != 0) return std::nullopt;
  return read.output;
}

// Pixels that differ between two grabs of the same area.
int DifferingPixels(const Image& a, const Image& b) {
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) count += !(a.At(x, y) == b.At(x, y));
  return count;
}

// Fewer differing pixels than a line of text: the caret's blink, not a change of text.
constexpr int kTextChange = 200;

class LargePasteTest : public EndToEndTest {
 protected:
  Image EditBoxPixels() {
    return TakeScreenshot().Crop(
        {App().ScreenX(kEditBox.x), App().ScreenY(kEditBox.y), kEditBox.width, kEditBox.height});
  }

  // Selects the edit box's whole text and pastes until the box shows another
  // text than the selection. Wine asks the clipboard's owner for the text and
  // gives up after a short wait, which a busy machine can overrun; the paste
  // then inserts nothing. Select-all and paste again puts the same one copy in.
  void PasteOverEverything() {
    const Image before = EditBoxPixels();
    PressKeys("ctrl+a");
    Image selected = before;
    ASSERT_TRUE(PollUntil(
        [&] {
          const Image now = EditBoxPixels();
          const bool settled = DifferingPixels(now, selected) < kTextChange;
          selected = now;
          return settled && DifferingPixels(now, before) >= kTextChange;
        },
        kWaitBound))
        << "Ctrl+A did not select the edit box's text";
    for (int attempt = 1; attempt <= 3; ++attempt) {
      if (attempt > 1) PressKeys("ctrl+a");
      PressKeys("ctrl+v");
      if (PollUntil([&] { return DifferingPixels(EditBoxPixels(), selected) >= kTextChange; },
                    std::chrono::seconds(20)))
        return;
      std::cout << "paste " << attempt << " left the edit box as it was\n";
    }
    FAIL() << "three pastes left the edit box as it was";
  }

  void TearDown() override {
    EndToEndTest::TearDown();
    std::remove(textPath_.c_str());
  }
  const std::string textPath_ = testing::TempDir() + "quillaro_large_paste.txt";
};

TEST_F(LargePasteTest, StartAfterAPasteFarBeyondTheDefaultLimitShowsTheMessageAndKeepsEveryCharacter) {
  const std::string text = LargeText();
  std::ofstream(textPath_, std::ios::binary) << text;
  // xclip stays in the foreground (-quiet) and serves the clipboard until killed.
  ChildProcess clipboard({"xclip", "-quiet", "-selection", "clipboard", "-i", textPath_});
  // A paste before xclip owns the clipboard would paste nothing.
  ASSERT_TRUE(PollUntil([&] { return ClipboardText() == text; }, kWaitBound))
      << "xclip never served the text on the clipboard";
  ASSERT_NO_FATAL_FAILURE(Launch(kChineseLang));
  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));

  const auto pasted = std::chrono::steady_clock::now();
  ASSERT_NO_FATAL_FAILURE(PasteOverEverything());
  App().ClickCentreOf(kStartButton);
  const auto box = WaitForWindowTitled(kMessageBoxTitle, 120s);
  ASSERT_TRUE(box) << "no message box within 120 s";
  std::cout << "paste of " << kPastedCharacters << " characters and Start: message box after "
            << SecondsSince(pasted) << " s\n";
  EXPECT_FALSE(App().FindOverlay());
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(*box));

  // The box's whole text goes back to the clipboard, with a mark typed at
  // its end, so that what is read back can only come from the box.
  clipboard.Kill();
  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  PressKeys("ctrl+End");
  TypeText("end");
  PressKeys("ctrl+a");
  PressKeys("ctrl+c");
  std::optional<std::string> copied;
  ASSERT_TRUE(PollUntil([&] { return (copied = ClipboardText()).has_value(); }, 120s))
      << "the edit box's text never reached the clipboard";
  EXPECT_TRUE(WithoutCarriageReturns(*copied) == text + "end")
      << "the edit box holds " << copied->size() << " bytes, not the " << text.size()
      << " pasted and the mark";

  const auto closing = std::chrono::steady_clock::now();
  CloseMainWindowWithEsc(120s);
  std::cout << "closing with the pasted text: " << SecondsSince(closing) << " s\n";
}

}  // namespace
}  // namespace e2e
