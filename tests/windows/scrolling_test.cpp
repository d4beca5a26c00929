// The scrolling of the overlay's labels, tick by tick on the real window.
#include <gtest/gtest.h>

#include "ui/scrolling.h"
#include "ui_test_support.h"

using testing_support::Cp936;
using testing_support::PumpUntil;
using ui_test::LeftOf;

namespace {

constexpr int kTickBound = 2000;

// Drives ticks by hand; the window's own timer is stopped so that only these
// count. Positions only: the overlay is hidden, since its paints are slow
// under Wine and the label's tests look at them.
class Scrolling : public testing::Test {
 protected:
  void SetUp() override {
    CreateEmptyLines();
    Open(ui_test::DefaultContent());
    ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }

  static void Open(std::string_view content) {
    ui_test::OpenOverlay(content);
    ui_test::StopOverlayTimer();
    ShowWindow(GetWindowHandle(OverlayWindow), SW_HIDE);
  }

  // Ticks until `label` wraps to screenWidth; each tick must move it by `speed`.
  static int TicksUntilWrap(int label, int speed) {
    for (int tick = 1; tick <= kTickBound; ++tick) {
      const int before = LeftOf(label);
      OnScrollTimer();
      if (LeftOf(label) == screenWidth) return tick;
      EXPECT_EQ(LeftOf(label), before - speed) << "tick " << tick;
      EXPECT_GE(LeftOf(label), 0) << "tick " << tick;
    }
    return -1;
  }
};

struct WrapCase {
  int label;
  int speed;
  int firstWrap;       // the tick on which it first goes back to the right edge
  int leftBeforeWrap;  // its left after the tick before
};

class LabelWrap : public Scrolling, public testing::WithParamInterface<WrapCase> {};

}  // namespace

TEST_P(LabelWrap, FirstWrapComesOnItsTickFromTheTemplatePlace) {
  const WrapCase& c = GetParam();
  for (int tick = 1; tick < c.firstWrap; ++tick) OnScrollTimer();
  EXPECT_EQ(LeftOf(c.label), c.leftBeforeWrap);
  OnScrollTimer();
  EXPECT_EQ(LeftOf(c.label), screenWidth);
}

TEST_P(LabelWrap, AFullPassTakesWidthOverSpeedPlusOneTicks) {
  const WrapCase& c = GetParam();
  ASSERT_EQ(TicksUntilWrap(c.label, c.speed), c.firstWrap);
  OnScrollTimer();
  EXPECT_EQ(LeftOf(c.label), screenWidth - c.speed);  // its first pixels show at the right edge
  EXPECT_EQ(1 + TicksUntilWrap(c.label, c.speed), screenWidth / c.speed + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelWrap,
    testing::Values(WrapCase{1, 6, 19, 4}, WrapCase{2, 5, 12, 1}, WrapCase{3, 7, 17, 0},
                    WrapCase{4, 5, 92, 1}, WrapCase{5, 6, 53, 0}, WrapCase{6, 5, 36, 1},
                    WrapCase{7, 7, 66, 1}, WrapCase{8, 5, 10, 3}, WrapCase{9, 6, 85, 0},
                    WrapCase{10, 5, 108, 1}),
    ui_test::LabelCaseName{});

TEST_F(Scrolling, AWrapReadsScreenWidthAtThatMoment) {
  screenWidth = 900;
  for (int tick = 1; tick <= 10; ++tick) OnScrollTimer();
  EXPECT_EQ(LeftOf(8), 900);
}

TEST_F(Scrolling, ALabelWithAnEmptyCaptionMovesAndWrapsLikeTheOthers) {
  ui_test::CloseProgramWindows();
  std::vector<std::string> lines(10, "x");
  lines[7] = "";
  Open(ui_test::JoinLines(lines));
  ASSERT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(8), Caption), "");
  EXPECT_EQ(TicksUntilWrap(8, 5), 10);
}

TEST(ScrollingTimer, MovesTheLabelsOnItsOwn) {
  CreateEmptyLines();
  ui_test::OpenOverlay(ui_test::DefaultContent());
  EXPECT_TRUE(PumpUntil([] { return LeftOf(1) < 112; }));
  EXPECT_TRUE(PumpUntil([] { return LeftOf(1) < 100; }));
  ui_test::CloseProgramWindows();
}

