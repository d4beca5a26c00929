// The overlay as a user meets it: a see-through band of coloured texts that
// scroll left, clicks that fall through beside the texts, and its keys.
#include <algorithm>
#include <optional>
#include <vector>

#include "e2e_fixture.h"
#include "poll.h"
#include "screenshot.h"
#include "x_input.h"

namespace e2e {
namespace {

struct Label {
  int number;
  int top;  // in the overlay's client area; every label is 48 pixels high
  Rgb colour;
};

// Label 8 is black and so cannot be told from this black desktop.
constexpr Label kLabels[] = {
    {1, 8, {255, 0, 0}},    {2, 80, {255, 255, 0}},  {3, 128, {255, 168, 255}},
    {4, 16, {0, 224, 128}}, {5, 80, {88, 48, 224}},  {6, 176, {255, 0, 255}},
    {7, 152, {0, 0, 255}},  {9, 216, {0, 255, 255}}, {10, 104, {0, 128, 128}},
};
constexpr int kLabelHeight = 48;
constexpr Label kLabel10 = kLabels[8];
// Below the lowest label (label 8 ends at 272) the band holds no text.
constexpr int kTextFreeTop = kOverlayTop + 272;

std::vector<int> ColumnsOfLabel(const Image& shot, const Label& label) {
  return shot.ColumnsOf(label.colour, kOverlayTop + label.top, kLabelHeight);
}

std::optional<int> LeftmostOf(const Image& shot, const Label& label) {
  const auto columns = ColumnsOfLabel(shot, label);
  if (columns.empty()) return std::nullopt;
  return *std::min_element(columns.begin(), columns.end());
}

// The desktop left of MainWindow in the text-free rows of the band: what the
// colour key must let through unchanged.
Image TextFreeDesktop(const Image& shot) {
  return shot.Crop({0, kTextFreeTop, kMainWindowRect.x, kOverlayTop + kOverlayHeight - kTextFreeTop});
}

struct Point {
  int x, y;
};

// A pixel of some label's text, outside MainWindow: the only windows there
// are the band and the black desktop, so a click on it lands on the band.
std::optional<Point> TextPixel(const Image& shot) {
  const Rect main = kMainWindowRect;
  for (const Label& label : kLabels) {
    for (int y = kOverlayTop + label.top; y < kOverlayTop + label.top + kLabelHeight; ++y) {
      for (int x : shot.ColumnsOf(label.colour, y, 1)) {
        const bool onMainWindow = x >= main.x && x < main.x + main.width && y >= main.y &&
                                  y < main.y + main.height;
        if (!onMainWindow) return Point{x, y};
      }
    }
  }
  return std::nullopt;
}

class OverlayTest : public EndToEndTest {
 protected:
  WindowId StartOverlay() {
    App().ClickCentreOf(kStartButton);
    const auto overlay = App().WaitForOverlay();
    EXPECT_TRUE(overlay) << "Start with the default lines opened no overlay";
    return overlay.value_or(0);
  }
  // Clicks on a pixel of a text. The program is held still from the shot
  // to the click, so the text is where the shot found it, however fast it
  // scrolls; the click is handled once the program goes on.
  bool ClickOnAText() {
    const StoppedProcess still = App().HoldStill();
    // The X server may still be drawing what the program sent just before
    // it stopped: two shots in a row that agree show the final picture.
    Image previous, shot;
    const bool settled = PollUntil(
        [&] {
          previous = std::move(shot);
          shot = TakeScreenshot();
          return previous.Width() > 0 && previous == shot;
        },
        kWaitBound);
    const auto target = TextPixel(shot);
    if (!settled || !target) return false;
    ClickAt(target->x, target->y);
    return true;
  }
};

TEST_F(OverlayTest, ShowsTheLinesAsAScrollingSeeThroughBandAndHandlesClicksAndEsc) {
  ASSERT_NO_FATAL_FAILURE(Launch(kChineseLang));
  const Image desktop = TextFreeDesktop(TakeScreenshot());
  const WindowId overlay = StartOverlay();
  ASSERT_NE(overlay, 0u);
  EXPECT_EQ(WindowGeometry(overlay), (Rect{0, kOverlayTop, 1280, kOverlayHeight}));
  EXPECT_TRUE(App().WaitForMainWindowActive(false))
      << "the overlay opened without the keyboard: MainWindow stayed active";

  // Labels are redrawn one by one, so one shot may catch one mid-way.
  std::vector<bool> seen(std::size(kLabels));
  EXPECT_TRUE(PollUntil(
      [&] {
        const Image shot = TakeScreenshot();
        EXPECT_TRUE(TextFreeDesktop(shot) == desktop) << "the band is not see-through";
        for (size_t i = 0; i < seen.size(); ++i) seen[i] = seen[i] || LeftmostOf(shot, kLabels[i]);
        return std::all_of(seen.begin(), seen.end(), [](bool b) { return b; });
      },
      kWaitBound));
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_TRUE(seen[i]) << "no pixel of label " << kLabels[i].number << "'s colour on its row";
  }
  // Two shots in a row: between them label 10 either moved left or wrapped
  // round to the right edge, which it does at most once in a crossing.
  std::optional<int> lastLeft;
  EXPECT_TRUE(PollUntil(
      [&] {
        const auto left = LeftmostOf(TakeScreenshot(), kLabel10);
        const bool movedLeft = left && lastLeft && *left < *lastLeft;
        if (left) lastLeft = left;
        return movedLeft;
      },
      kWaitBound))
      << "label 10 did not move left";

  // The band covers the top of MainWindow's edit box: a click there, beside
  // the texts, must reach MainWindow.
  App().ClickClient(kEditBox.x + 100, kEditBox.y + 30);
  EXPECT_TRUE(App().WaitForMainWindowActive(true)) << "the click did not fall through";

  ASSERT_TRUE(ClickOnAText()) << "no text in sight on the band";
  EXPECT_TRUE(App().WaitForMainWindowActive(false))
      << "a click on a text did not activate the overlay: MainWindow stayed active";
  // Esc closes the active window: the overlay, if the click activated it.
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(overlay));
  PressKeys("Escape");
  EXPECT_TRUE(App().WaitUntilOverlayGone()) << "a plain Esc left the overlay open";
  EXPECT_TRUE(App().Running()) << "a plain Esc on the overlay ended the program";
  EXPECT_FALSE(VisibleWindowsTitled(kMainWindowTitle).empty());

  const WindowId again = StartOverlay();
  ASSERT_NE(again, 0u);
  EXPECT_TRUE(App().WaitForMainWindowActive(false))
      << "the overlay opened again without the keyboard: MainWindow stayed active";
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(again));
  PressKeys("shift+Escape");
  ExpectExitCodeZeroAndNoWindow();
}

TEST_F(OverlayTest, GoesOnScrollingWhileTheTenLinesBoxIsUp) {
  ASSERT_NO_FATAL_FAILURE(Launch(kChineseLang));
  ASSERT_NE(StartOverlay(), 0u);
  // One line in place of the ten: Start answers with the box, over the band.
  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  PressKeys("ctrl+a");
  TypeText("one line");
  App().ClickCentreOf(kStartButton);
  const auto box = WaitForWindowTitled(kMessageBoxTitle, kWaitBound);
  ASSERT_TRUE(box) << "no message box after Start with one line";

  // The box runs its own loop inside the Start handler: the band must go on
  // showing new frames, label 10 a little further left in each.
  std::optional<int> lastLeft;
  int movesSeen = 0;
  EXPECT_TRUE(PollUntil(
      [&] {
        const auto left = LeftmostOf(TakeScreenshot(), kLabel10);
        if (left && lastLeft && *left < *lastLeft) ++movesSeen;
        if (left) lastLeft = left;
        return movesSeen >= 3;
      },
      kWaitBound))
      << "the texts stood still while the box was up";
  EXPECT_FALSE(VisibleWindowsTitled(kMessageBoxTitle).empty())
      << "the box went away before the texts were seen moving";
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(*box));
  CloseMainWindowWithEsc();
}

}  // namespace
}  // namespace e2e
