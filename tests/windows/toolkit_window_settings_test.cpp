// What each window setting of a template does to the real window.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "toolkit/toolkit.h"
#include "win_test_support.h"

using testing_support::LoadedForTest;
using testing_support::PumpUntil;

namespace {

struct BorderCase {
  const char* name;
  Border border;
  const char* title;
  bool controlBox;
  bool caption, systemMenu, sizingFrame, toolWindow, clientEdge;
};

class BorderStyles : public testing::TestWithParam<BorderCase> {};

WindowTemplate WindowFor(const BorderCase& c) {
  return {.name = c.name,
          .place = {100, 100, 300, 200},
          .settings = {.title = c.title, .border = c.border, .controlBox = c.controlBox,
                       .maximiseBox = false, .visible = false}};
}

TEST_P(BorderStyles, GiveTheirCaptionMenuFrameAndEdges) {
  const BorderCase& c = GetParam();
  const WindowTemplate window = WindowFor(c);
  LoadedForTest loaded(window);
  const LONG style = GetWindowLongW(loaded.Handle(), GWL_STYLE);
  const LONG extended = GetWindowLongW(loaded.Handle(), GWL_EXSTYLE);
  EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.caption);
  EXPECT_EQ((style & WS_SYSMENU) != 0, c.systemMenu);
  EXPECT_EQ((style & WS_THICKFRAME) != 0, c.sizingFrame);
  EXPECT_EQ((extended & WS_EX_TOOLWINDOW) != 0, c.toolWindow);
  EXPECT_EQ((extended & WS_EX_CLIENTEDGE) != 0, c.clientEdge);
}

INSTANTIATE_TEST_SUITE_P(
    Borders, BorderStyles,
    testing::Values(
        // name, border, title, control box: caption, menu, sizing, tool, edge
        BorderCase{"Resizable", Border::Resizable, "t", true, true, true, true, false, false},
        BorderCase{"FixedSingle", Border::FixedSingle, "t", true, true, true, false, false, false},
        BorderCase{"ResizableTool", Border::ResizableTool, "t", true, true, true, true, true,
                   false},
        BorderCase{"FixedTool", Border::FixedTool, "t", true, true, true, false, true, false},
        BorderCase{"ResizableSunken", Border::ResizableSunken, "t", true, true, true, true, false,
                   true},
        BorderCase{"FixedSunken", Border::FixedSunken, "t", true, true, true, false, false, true},
        BorderCase{"TitleWithoutControlBox", Border::FixedSingle, "t", false, true, false, false,
                   false, false},
        BorderCase{"ControlBoxWithoutTitle", Border::FixedTool, "", true, true, true, false, true,
                   false},
        BorderCase{"NeitherTitleNorControlBox", Border::Resizable, "", false, false, false, true,
                   false, false},
        BorderCase{"SunkenWithNeither", Border::FixedSunken, "", false, false, false, false,
                   false, true}),
    CaseName{});

const WindowTemplate Borderless{
    .name = "Borderless",
    .place = {100, 100, 300, 200},
    .settings = {.title = "has a title", .border = Border::None, .maximiseBox = false},
};

TEST(WindowSettings, NoBorderGivesNoCaptionFrameOrMenuEvenWithATitle) {
  LoadedForTest loaded(Borderless);
  const HWND handle = loaded.Handle();
  // The system keeps WS_CLIPSIBLINGS on every top-level window, whatever it is given.
  EXPECT_EQ(GetWindowLongW(handle, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS),
            WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  EXPECT_EQ(GetWindowLongW(handle, GWL_EXSTYLE), 0);
  RECT window{}, client{};
  GetWindowRect(handle, &window);
  GetClientRect(handle, &client);
  EXPECT_EQ(client.right, window.right - window.left);
  EXPECT_EQ(client.bottom, window.bottom - window.top);
}

const WindowTemplate Pinned{
    .name = "Pinned",
    .place = {100, 100, 300, 200},
    .settings = {.title = "pinned", .border = Border::Resizable, .maximiseBox = false,
                 .movable = false, .visible = false},
};
const WindowTemplate Movable{
    .name = "Movable",
    .place = {100, 100, 300, 200},
    .settings = {.title = "movable", .visible = false},
};

bool HasMoveCommand(HWND handle) {
  return GetMenuState(GetSystemMenu(handle, FALSE), SC_MOVE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

TEST(WindowSettings, NotMovableRemovesTheMoveCommandOnly) {
  LoadedForTest pinned(Pinned);
  LoadedForTest movable(Movable);
  EXPECT_FALSE(HasMoveCommand(pinned.Handle()));
  EXPECT_TRUE(HasMoveCommand(movable.Handle()));
  const HMENU menu = GetSystemMenu(pinned.Handle(), FALSE);
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST(WindowSettings, MinimiseAndMaximiseBoxesFollowTheirSettings) {
  LoadedForTest pinned(Pinned);  // minimise on, maximise off
  LoadedForTest movable(Movable);  // both on
  EXPECT_NE(GetWindowLongW(pinned.Handle(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(GetWindowLongW(pinned.Handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(GetWindowLongW(movable.Handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
}

const WindowTemplate InTaskBar{
    .name = "InTaskBar",
    .place = {100, 100, 300, 200},
    .settings = {.title = "in the task bar", .visible = false},
};
const WindowTemplate OutOfTaskBar{
    .name = "OutOfTaskBar",
    .place = {100, 100, 300, 200},
    .settings = {.title = "out of the task bar", .showInTaskBar = false, .visible = false},
};

TEST(WindowSettings, ShownInTheTaskBarMeansUnowned) {
  LoadedForTest loaded(InTaskBar);
  EXPECT_EQ(GetWindow(loaded.Handle(), GW_OWNER), nullptr);
}

TEST(WindowSettings, KeptOutOfTheTaskBarMeansOwnedByAHiddenWindowOfTheProgram) {
  LoadedForTest loaded(OutOfTaskBar);
  const HWND owner = GetWindow(loaded.Handle(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_EQ(GetWindowThreadProcessId(owner, nullptr), GetCurrentThreadId());
  EXPECT_EQ(GetWindowLongW(loaded.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST(WindowSettings, WindowClassDoubleClicksRedrawsOnResizeWithArrowAndNoBrush) {
  LoadedForTest loaded(Movable);
  const HWND handle = loaded.Handle();
  EXPECT_EQ(GetClassLongPtrW(handle, GCL_STYLE), CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(handle, GCLP_HCURSOR)),
            LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(GetClassLongPtrW(handle, GCLP_HBRBACKGROUND), 0);
}

// The colour on the screen inside the window's client area, once painted.
COLORREF ClientPixel(HWND handle) {
  RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const HDC dc = GetDC(handle);
  const COLORREF pixel = GetPixel(dc, 20, 20);
  ReleaseDC(handle, dc);
  return pixel;
}

struct BackgroundCase {
  const char* name;
  Colour background;
};

class WindowBackground : public testing::TestWithParam<BackgroundCase> {};

WindowTemplate WindowFor(const BackgroundCase& c) {
  return {.name = c.name,
          .place = {200, 150, 300, 200},
          .settings = {.title = c.name, .background = c.background}};
}

TEST_P(WindowBackground, FillsTheClientArea) {
  const BackgroundCase& c = GetParam();
  const WindowTemplate window = WindowFor(c);
  LoadedForTest loaded(window);
  const COLORREF expected =
      c.background == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : c.background;
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(loaded.Handle()) == expected; }))
      << std::hex << ClientPixel(loaded.Handle()) << " != " << expected;
}

INSTANTIATE_TEST_SUITE_P(Fills, WindowBackground,
                         testing::Values(BackgroundCase{"ButtonFace", kButtonFaceColour},
                                         BackgroundCase{"Teal", Rgb(0, 128, 128)},
                                         BackgroundCase{"Orange", Rgb(250, 140, 20)}),
                         CaseName{});

// Restores a system colour that a test changed.
class SystemColourChange {
 public:
  SystemColourChange(int index, COLORREF colour) : index_(index), saved_(GetSysColor(index)) {
    SetSysColors(1, &index_, &colour);
  }
  ~SystemColourChange() { SetSysColors(1, &index_, &saved_); }

 private:
  int index_;
  COLORREF saved_;
};

const WindowTemplate FollowsButtonFace{
    .name = "FollowsButtonFace",
    .place = {200, 150, 300, 200},
    .settings = {.title = "button face"},
};

TEST(WindowSettings, ButtonFaceBackgroundFollowsAChangeOfTheSystemColour) {
  LoadedForTest loaded(FollowsButtonFace);
  const COLORREF changed = RGB(90, 60, 200);
  SystemColourChange change(COLOR_BTNFACE, changed);
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(loaded.Handle()) == changed; }))
      << std::hex << ClientPixel(loaded.Handle());
}

}  // namespace
