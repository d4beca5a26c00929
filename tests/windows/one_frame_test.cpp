// The overlay draws one whole frame per handler: label moves inside a handler
// show together when it returns, outside a handler at once, and the handlers
// that a modal loop runs inside another still paint their frames.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>

#include "toolkit/win32/events.h"
#include "ui/scrolling.h"
#include "ui_test_support.h"

using testing_support::Cp936;
using testing_support::MessageBoxWatcher;
using testing_support::Pixels;
using testing_support::ReadPixels;
using ui_test::LabelName;
using ui_test::LeftOf;
using ui_test::WaitFor;

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr int kLabelHeight = 48;
const std::string kWideText = Cp936(L"田田田田田田田田田田田田田田田田田田");

// Counts the paint messages that windows get, by subclassing them.
class PaintCounter {
 public:
  void Watch(HWND window) {
    counts()[window] = 0;
    originals()[window] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Counting)));
  }
  ~PaintCounter() {
    for (const auto& [window, original] : originals())
      if (IsWindow(window))
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    originals().clear();
  }
  static int Of(HWND window) { return counts()[window].load(); }

 private:
  static std::map<HWND, WNDPROC>& originals() {
    static std::map<HWND, WNDPROC> map;
    return map;
  }
  static std::map<HWND, std::atomic<int>>& counts() {
    static std::map<HWND, std::atomic<int>> map;
    return map;
  }
  static LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++counts()[window];
    return CallWindowProcW(originals()[window], window, message, wParam, lParam);
  }
};

// How many pixels of two reads of one area differ.
int Differing(const Pixels& a, const Pixels& b) {
  if (a.colours.size() != b.colours.size()) return -1;
  int count = 0;
  for (std::size_t i = 0; i < a.colours.size(); ++i) count += a.colours[i] != b.colours[i];
  return count;
}

HWND LabelHandle(int label) { return ui_test::HandleOf(OverlayWindow, LabelName(label)); }

RECT LabelRect(int label) {
  RECT rect{};
  GetWindowRect(LabelHandle(label), &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(LabelHandle(label)), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

COLORREF ColourOf(int label) {
  return static_cast<COLORREF>(GetProperty(OverlayWindow, LabelName(label), TextColour));
}

class OneFrame : public testing::Test {
 protected:
  void SetUp() override {
    overlay_ = ui_test::OpenStillOverlay();
    ASSERT_TRUE(overlay_);
    GetClientRect(overlay_, &band_);
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }

  Pixels Read() const { return ReadPixels(overlay_, band_); }
  // The whole window drawn from scratch: what every frame must look like.
  Pixels Repaint() const {
    RedrawWindow(overlay_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return Read();
  }

  HWND overlay_ = nullptr;
  RECT band_{};
};

struct MoveCase {
  const char* name;
  int label;
  int distance;     // passed to ScrollLabel; beyond the label's left it wraps
  bool inHandler;   // moved inside a handler of the program, or by a direct call
  int upper = 0;    // a label above this one that it meets, drawn with a wide text
};

// What a move inside a handler saw before the handler returned.
struct InsideView {
  Pixels pixels;
  int left = 0;
  int paints = 0;
};

const MoveCase* currentCase = nullptr;
InsideView insideView;
HWND watchedOverlay = nullptr;

void MoveAsAHandler() {
  ScrollLabel(LabelName(currentCase->label), currentCase->distance);
  insideView.left = LeftOf(currentCase->label);
  RECT client{};
  GetClientRect(watchedOverlay, &client);
  insideView.pixels = ReadPixels(watchedOverlay, client);
  insideView.paints = PaintCounter::Of(watchedOverlay);
}

class OneFrameMove : public OneFrame, public testing::WithParamInterface<MoveCase> {};

TEST_P(OneFrameMove, ShowsTheNewPlaceWithoutATrailWhenTheHandlerReturnsOrAtOnceOutsideOne) {
  const MoveCase& c = GetParam();
  SetProperty(OverlayWindow, LabelName(c.label), Caption, kWideText);
  if (c.upper) SetProperty(OverlayWindow, LabelName(c.upper), Caption, kWideText);
  const Pixels before = Read();
  const int left = LeftOf(c.label);
  const int expectedLeft = left - c.distance < 0 ? screenWidth : left - c.distance;
  PaintCounter counter;
  counter.Watch(overlay_);

  if (c.inHandler) {
    currentCase = &c;
    watchedOverlay = overlay_;
    toolkit::Raise(&MoveAsAHandler);
    EXPECT_EQ(insideView.left, expectedLeft) << "the left is not readable at once";
    EXPECT_EQ(insideView.paints, 0) << "the window painted before the handler returned";
    EXPECT_EQ(Differing(insideView.pixels, before), 0) << "a move showed before the frame";
  } else {
    ScrollLabel(LabelName(c.label), c.distance);
    EXPECT_EQ(LeftOf(c.label), expectedLeft);
  }
  EXPECT_EQ(LabelRect(c.label).left, expectedLeft) << "the label's window is not where its left says";
  // Outside a handler each write shows at once; a wrap writes twice.
  const int writes = left - c.distance < 0 ? 2 : 1;
  EXPECT_EQ(PaintCounter::Of(overlay_), c.inHandler ? 1 : writes);

  const Pixels after = Read();  // no message pumped: the frame is already there
  EXPECT_GT(Differing(after, before), 0) << "the move did not show";
  const COLORREF upperColour = c.upper ? ColourOf(c.upper) : 0;
  int upperPixels = 0;
  for (std::size_t i = 0; i < before.colours.size(); ++i) {
    if (!c.upper || before.colours[i] != upperColour) continue;
    ++upperPixels;
    EXPECT_EQ(after.colours[i], upperColour) << "the label beneath was drawn over the upper one";
  }
  if (c.upper) {
    EXPECT_GT(upperPixels, 0);
  }
  EXPECT_EQ(Differing(after, Repaint()), 0) << "the frame differs from a whole repaint: a trail";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, OneFrameMove,
    testing::Values(MoveCase{"InHandler", 8, 5, true}, MoveCase{"Direct", 8, 5, false},
                    MoveCase{"WrapInHandler", 8, 49, true}, MoveCase{"WrapDirect", 8, 49, false},
                    MoveCase{"Beneath4InHandler", 1, 6, true, 4},
                    MoveCase{"Beneath4Direct", 1, 6, false, 4},
                    MoveCase{"Beneath5InHandler", 2, 5, true, 5},
                    MoveCase{"Beneath5Direct", 2, 5, false, 5}),
    CaseName{});

TEST_F(OneFrame, ATickThroughTheLoopPaintsTheWindowOnceAndNoLabelPaintsAfter) {
  PaintCounter counter;
  counter.Watch(overlay_);
  const UINT_PTR timer = ui_test::ControlOf(OverlayWindow, Cp936(L"时钟1")).TimerId();
  const int before = LeftOf(10);
  PostMessageW(overlay_, WM_TIMER, timer, 0);
  ASSERT_TRUE(testing_support::PumpUntilIdle());
  EXPECT_EQ(LeftOf(10), before - 5);
  EXPECT_EQ(PaintCounter::Of(overlay_), 1);
  EXPECT_EQ(Differing(Read(), Repaint()), 0);
}

TEST_F(OneFrame, ATextWiderThanItsLabelIsCutAtItsEdgeInAWholeRepaint) {
  SetProperty(OverlayWindow, LabelName(8), Caption, std::string(60, 'W'));
  const RECT label = LabelRect(8);
  Repaint();
  const Pixels beyond =
      ReadPixels(overlay_, {label.right, label.top, label.right + 60, label.bottom});
  EXPECT_EQ(beyond.CountOtherThan(kGrey), 0);
}

// Whether `rect` of the overlay shows ink of `colour`.
bool ShowsInkAt(HWND overlay, COLORREF colour, const RECT& rect) {
  const Pixels pixels = ReadPixels(overlay, rect);
  for (COLORREF pixel : pixels.colours)
    if (pixel == colour) return true;
  return false;
}

class OneFrameWithMainWindow : public testing::Test {
 protected:
  void SetUp() override {
    CreateEmptyLines();
    ASSERT_TRUE(LoadWindow(MainWindow));
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }
};

TEST_F(OneFrameWithMainWindow, TheOverlayIsFirstSeenWithItsTenTexts) {
  // The creation handler runs inside the load inside the Start handler.
  ui_test::Click(ui_test::kStartButton);
  ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
  const HWND overlay = GetWindowHandle(OverlayWindow);
  ASSERT_TRUE(IsWindowVisible(overlay));
  // Read before any message is pumped: the Start handler's end painted it.
  for (int i = 1; i <= 10; ++i)
    EXPECT_TRUE(ShowsInkAt(overlay, ColourOf(i), LabelRect(i))) << LabelName(i) << " is not drawn";
  RECT client{};
  GetClientRect(overlay, &client);
  const Pixels first = ReadPixels(overlay, client);
  RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Differing(first, ReadPixels(overlay, client)), 0);
}

TEST_F(OneFrameWithMainWindow, TheOverlayGoesOnPaintingFramesWhileTheTenLinesBoxIsUp) {
  ui_test::Click(ui_test::kStartButton);
  ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
  const HWND overlay = GetWindowHandle(OverlayWindow);
  const COLORREF colour = ColourOf(10);
  SetProperty(MainWindow, ui_test::kEditBox, Content, "only one line");
  PaintCounter counter;
  counter.Watch(overlay);
  std::atomic<bool> moved{false}, painted{false}, drawnWhereItIs{false};
  // Runs on the watcher's thread while the GUI thread is inside the box's loop.
  MessageBoxWatcher boxes(0, [&](HWND) {
    const int leftBefore = LabelRect(10).left;
    const int paintsBefore = PaintCounter::Of(overlay);
    moved = WaitFor([&] { return LabelRect(10).left <= leftBefore - 10; }, 10000);
    painted = WaitFor([&] { return PaintCounter::Of(overlay) >= paintsBefore + 2; }, 10000);
    // The label's ink where its window stands now; a read that raced a tick is read again.
    drawnWhereItIs = WaitFor(
        [&] {
          const RECT rect = LabelRect(10);
          const bool ink = ShowsInkAt(overlay, colour, {rect.left, rect.top, rect.left + 40, rect.bottom});
          return ink && LabelRect(10).left == rect.left;
        },
        10000);
  });
  ui_test::Click(ui_test::kStartButton);
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(moved) << "the texts stood still while the box was up";
  EXPECT_TRUE(painted) << "the overlay painted no frame while the box was up";
  EXPECT_TRUE(drawnWhereItIs) << "the frames did not show the label where it stood";
}

}  // namespace
