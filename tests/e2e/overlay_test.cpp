// The overlay as a user meets it: a see-through band of coloured texts that
// scroll left, clicks that fall through beside the texts, and its keys.
#include <algorithm>
#include <iostream>
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

// A point on label 7, the widest text: on the row where its strokes are
// densest, a little left of the middle, since the text moves on between
// the shot and the click.
std::optional<Point> TextTarget(const Image& shot) {
  constexpr Label kWidest = kLabels[6];
  const int top = kOverlayTop + kWidest.top;
  int bestRow = -1;
  size_t bestCount = 0;
  for (int y = top; y < top + kLabelHeight; ++y) {
    const size_t count = shot.ColumnsOf(kWidest.colour, y, 1).size();
    if (count > bestCount) bestCount = count, bestRow = y;
  }
  if (bestRow < 0) return std::nullopt;
  const auto columns = shot.ColumnsOf(kWidest.colour, bestRow, 1);
  const int left = columns.front(), right = columns.back();
  if (left < 20 || right > shot.Width() - 20) return std::nullopt;  // about to wrap
  return Point{(left + right) / 2 - 30, bestRow};
}

class OverlayTest : public EndToEndTest {
 protected:
  WindowId StartOverlay() {
    App().ClickCentreOf(kStartButton);
    const auto overlay = App().WaitForOverlay();
    EXPECT_TRUE(overlay) << "Start with the default lines opened no overlay";
    return overlay.value_or(0);
  }
  // Clicks on texts until one lands and activates the overlay.
  bool ClickATextOf(WindowId overlay) {
    for (int attempt = 1; attempt <= 30; ++attempt) {
      const auto target = TextTarget(TakeScreenshot());
      if (!target) continue;
      ClickAt(target->x, target->y);
      if (WaitForFocus(overlay, 300ms)) {
        std::cout << "a text was hit at attempt " << attempt << "\n";
        return true;
      }
    }
    return false;
  }
};

TEST_F(OverlayTest, ShowsTheLinesAsAScrollingSeeThroughBandAndHandlesClicksAndEsc) {
  ASSERT_NO_FATAL_FAILURE(Launch(kChineseLang));
  const Image desktop = TextFreeDesktop(TakeScreenshot());
  const WindowId overlay = StartOverlay();
  ASSERT_NE(overlay, 0u);
  EXPECT_EQ(WindowGeometry(overlay), (Rect{0, kOverlayTop, 1280, kOverlayHeight}));
  EXPECT_TRUE(WaitForFocus(overlay, 10s)) << "the overlay opened without the keyboard";

  // Labels are redrawn one by one, so one shot may catch one mid-way.
  std::vector<bool> seen(std::size(kLabels));
  std::optional<int> firstLeft;
  EXPECT_TRUE(PollUntil(
      [&] {
        const Image shot = TakeScreenshot();
        EXPECT_TRUE(TextFreeDesktop(shot) == desktop) << "the band is not see-through";
        for (size_t i = 0; i < seen.size(); ++i) seen[i] = seen[i] || LeftmostOf(shot, kLabels[i]);
        if (!firstLeft) firstLeft = LeftmostOf(shot, kLabel10);
        return std::all_of(seen.begin(), seen.end(), [](bool b) { return b; });
      },
      10s));
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_TRUE(seen[i]) << "no pixel of label " << kLabels[i].number << "'s colour on its row";
  }
  ASSERT_TRUE(firstLeft);
  EXPECT_TRUE(PollUntil(
      [&] {
        const auto left = LeftmostOf(TakeScreenshot(), kLabel10);
        return left && *left < *firstLeft;
      },
      10s))
      << "label 10 did not move left";

  // The band covers the top of MainWindow's edit box: a click there, beside
  // the texts, must reach MainWindow.
  App().ClickClient(kEditBox.x + 100, kEditBox.y + 30);
  EXPECT_TRUE(WaitForFocus(App().MainWindow(), 5s)) << "the click did not fall through";

  ASSERT_TRUE(ClickATextOf(overlay)) << "no click on a text activated the overlay";
  PressKeys("Escape");
  EXPECT_TRUE(App().WaitUntilOverlayGone()) << "a plain Esc left the overlay open";
  EXPECT_TRUE(App().Running()) << "a plain Esc on the overlay ended the program";
  EXPECT_FALSE(VisibleWindowsTitled(kMainWindowTitle).empty());

  const WindowId again = StartOverlay();
  ASSERT_NE(again, 0u);
  ASSERT_TRUE(WaitForFocus(again, 10s));
  PressKeys("shift+Escape");
  ExpectExitCodeZeroAndNoWindow(10s);
}

}  // namespace
}  // namespace e2e
