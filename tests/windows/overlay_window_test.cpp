// OverlayWindow on the real window: what its creation handler leaves, its
// labels, and what the keys and MainWindow's Start do to it.
#include <gtest/gtest.h>

#include <atomic>

#include "toolkit/win32/handles.h"
#include "ui_test_support.h"

using testing_support::ControlHandle;
using testing_support::Cp936;
using testing_support::MakeForeground;
using testing_support::MessageBoxWatcher;
using testing_support::PressKey;
using testing_support::PumpFor;
using testing_support::PumpUntil;
using ui_test::DefaultContent;
using ui_test::DefaultLine;
using ui_test::LabelName;
using ui_test::WaitFor;

namespace {

class Overlay : public testing::Test {
 protected:
  void SetUp() override {
    CreateEmptyLines();
    ui_test::OpenOverlay(DefaultContent());
    ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
    overlay_ = GetWindowHandle(OverlayWindow);
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }

  static std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 1; i <= 10; ++i) captions.push_back(GetProperty(OverlayWindow, LabelName(i), Caption));
    return captions;
  }

  HWND overlay_ = nullptr;
};

// The overlay stands at screen x 0, so a label's screen left is its left.
LONG ScreenLeft(HWND label) {
  RECT rect{};
  GetWindowRect(label, &rect);
  return rect.left;
}

}  // namespace

TEST_F(Overlay, SpansTheScreenWidthFromTheLeftEdgeKeepingTopAndHeight) {
  RECT rect{};
  GetWindowRect(overlay_, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(rect.top, 50);
  EXPECT_EQ(rect.bottom - rect.top, 348);
  EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(Overlay, IsLayeredWithItsGreyKeyedOutAndTheRestOpaque) {
  EXPECT_EQ(GetWindowLongW(overlay_, GWL_EXSTYLE), WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(overlay_, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(128, 128, 128));
  EXPECT_EQ(alpha, 255);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
}

TEST_F(Overlay, HasNoCaptionFrameOrMenuOnlyTheMinimiseBoxAndClippedChildren) {
  // The system keeps WS_CLIPSIBLINGS on every top-level window, whatever it is given.
  EXPECT_EQ(GetWindowLongW(overlay_, GWL_STYLE) & ~WS_CLIPSIBLINGS,
            static_cast<LONG>(WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE));
}

TEST_F(Overlay, IsShownAndHasTheKeyboard) {
  EXPECT_TRUE(IsWindowVisible(overlay_));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == overlay_; }));
}

struct LabelCase {
  int label;
  LONG fontHeight;  // at 96 dots per inch
  COLORREF colour;
};

class OverlayLabel : public Overlay, public testing::WithParamInterface<LabelCase> {};

TEST_P(OverlayLabel, HoldsItsLineInItsSizeAndKeepsItsTemplateColour) {
  const LabelCase& c = GetParam();
  {
    WindowDC screen(nullptr);
    if (GetDeviceCaps(screen.get(), LOGPIXELSY) != 96) GTEST_SKIP() << "the screen is not 96 dpi";
  }
  EXPECT_EQ(GetProperty(OverlayWindow, LabelName(c.label), Caption), DefaultLine(c.label));
  EXPECT_EQ(ui_test::LabelOf(c.label).LogFont().lfHeight, c.fontHeight);
  EXPECT_EQ(GetProperty(OverlayWindow, LabelName(c.label), TextColour), c.colour);
  EXPECT_TRUE(IsWindowVisible(ControlHandle(OverlayWindow, LabelName(c.label))));
}

INSTANTIATE_TEST_SUITE_P(
    Labels, OverlayLabel,
    testing::Values(LabelCase{1, -21, RGB(255, 0, 0)}, LabelCase{2, -25, RGB(255, 255, 0)},
                    LabelCase{3, -27, RGB(255, 168, 255)}, LabelCase{4, -20, RGB(0, 224, 128)},
                    LabelCase{5, -21, RGB(88, 48, 224)}, LabelCase{6, -25, RGB(255, 0, 255)},
                    LabelCase{7, -27, RGB(0, 0, 255)}, LabelCase{8, -20, RGB(0, 0, 0)},
                    LabelCase{9, -21, RGB(0, 255, 255)}, LabelCase{10, -25, RGB(0, 128, 128)}),
    ui_test::LabelCaseName{});

TEST_F(Overlay, LabelsStackWithTenOnTopAndOneAtTheBottom) {
  std::vector<HWND> expected;
  for (int i = 10; i >= 1; --i) expected.push_back(ControlHandle(OverlayWindow, LabelName(i)));
  std::vector<HWND> stack;
  for (HWND child = GetWindow(overlay_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    stack.push_back(child);
  EXPECT_EQ(stack, expected);
}

TEST_F(Overlay, AMissingLineLeavesItsLabelBlank) {
  ui_test::CloseProgramWindows();
  ui_test::OpenOverlay(Cp936(L"一\r\n\r\n三"));
  EXPECT_EQ(Captions(), (std::vector<std::string>{Cp936(L"一"), "", Cp936(L"三"), "", "", "", "",
                                                  "", "", ""}));
}

TEST_F(Overlay, PlainEscClosesOnlyTheOverlay) {
  ASSERT_TRUE(LoadWindow(MainWindow));
  ASSERT_TRUE(MakeForeground(overlay_));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(overlay_); }));
  EXPECT_TRUE(IsWindowLoaded(MainWindow));
}

struct OtherKeyCase {
  const char* name;
  WORD key;
};

class OtherKey : public Overlay, public testing::WithParamInterface<OtherKeyCase> {};

TEST_P(OtherKey, ChangesNothing) {
  ASSERT_TRUE(LoadWindow(MainWindow));
  ASSERT_TRUE(MakeForeground(overlay_));
  PressKey(GetParam().key);
  PumpFor(150);
  EXPECT_TRUE(IsWindowLoaded(OverlayWindow));
  EXPECT_EQ(GetWindowHandle(OverlayWindow), overlay_);
  EXPECT_TRUE(IsWindowLoaded(MainWindow));
  EXPECT_EQ(LineCount(), 10);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(Captions()[i - 1], DefaultLine(i));
}

INSTANTIATE_TEST_SUITE_P(Keys, OtherKey,
                         testing::Values(OtherKeyCase{"Letter", 'A'}, OtherKeyCase{"Digit", '1'},
                                         OtherKeyCase{"Space", VK_SPACE},
                                         OtherKeyCase{"Enter", VK_RETURN},
                                         OtherKeyCase{"Tab", VK_TAB}, OtherKeyCase{"F1", VK_F1},
                                         OtherKeyCase{"Delete", VK_DELETE}),
                         CaseName{});

TEST_F(Overlay, StartWhileOpenKeepsItsTextsEvenAfterTheLinesWereEdited) {
  ASSERT_TRUE(LoadWindow(MainWindow));
  SetProperty(MainWindow, ui_test::kEditBox, Content, ui_test::NumberedLines(10));
  ui_test::Click(ui_test::kStartButton);
  EXPECT_EQ(GetWindowHandle(OverlayWindow), overlay_);
  EXPECT_EQ(LineAt(1), "line1");
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(Captions()[i - 1], DefaultLine(i));
}

TEST_F(Overlay, GoesOnScrollingWhileTheTenLinesBoxIsUp) {
  ASSERT_TRUE(LoadWindow(MainWindow));
  SetProperty(MainWindow, ui_test::kEditBox, Content, "only one line");
  const HWND label = ControlHandle(OverlayWindow, LabelName(1));
  std::atomic<bool> moved{false};
  // Runs on the watcher's thread while the GUI thread is inside the box's loop.
  MessageBoxWatcher boxes(0, [&](HWND) {
    const LONG before = ScreenLeft(label);
    moved = WaitFor([&] { return ScreenLeft(label) != before; }, testing_support::kWaitBoundMs);
  });
  ui_test::Click(ui_test::kStartButton);
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(moved);
  EXPECT_EQ(LineCount(), 1);
  EXPECT_EQ(GetWindowHandle(OverlayWindow), overlay_);
  EXPECT_EQ(Captions()[0], DefaultLine(1));
}
