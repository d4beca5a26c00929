// MainWindow on the real window: its template read back, its keys, Start
// and End with their message box, and the ways closing it ends the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <span>

#include "app/entry.h"
#include "ui_test_support.h"

using testing::HasSubstr;
using testing_support::ControlHandle;
using testing_support::Cp936;
using testing_support::MakeForeground;
using testing_support::MessageBoxWatcher;
using testing_support::PressKey;
using testing_support::PumpFor;
using testing_support::PumpUntil;
using ui_test::DefaultContent;
using ui_test::DefaultLine;
using ui_test::NumberedLines;

namespace {

using ui_test::Click;
using ui_test::kEditBox;
const std::string& kStart = ui_test::kStartButton;
const std::string& kEnd = ui_test::kEndButton;

std::string WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Cp936(text);
}

std::string EditContent() { return GetProperty(MainWindow, kEditBox, Content); }

// The place of a control relative to the client area of its parent.
RECT PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateEmptyLines();
    ASSERT_TRUE(LoadWindow(MainWindow));
    main_ = GetWindowHandle(MainWindow);
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }

  void FocusOn(const std::string& control) {
    ASSERT_TRUE(MakeForeground(main_));
    SetFocus(ControlHandle(MainWindow, control));
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == ControlHandle(MainWindow, control); }));
  }

  HWND main_ = nullptr;
};

}  // namespace

TEST_F(MainWindowTest, OpensAtItsTemplatePlaceWithAFixedFrameAndNoMaximiseBox) {
  RECT rect{};
  GetWindowRect(main_, &rect);
  EXPECT_EQ(rect.left, 500);
  EXPECT_EQ(rect.top, 300);
  EXPECT_EQ(rect.right - rect.left, 454);
  EXPECT_EQ(rect.bottom - rect.top, 307);
  const LONG style = GetWindowLongW(main_, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(WindowText(main_), Cp936(L"Quillaro   -by Tovenhal"));
  EXPECT_TRUE(IsWindowVisible(main_));
}

struct ControlPlaceCase {
  const wchar_t* name;
  const wchar_t* parent;  // nullptr: MainWindow itself
  RECT place;             // left, top, right, bottom
  const wchar_t* caption;
};

class ControlPlace : public MainWindowTest,
                     public testing::WithParamInterface<ControlPlaceCase> {};

TEST_P(ControlPlace, IsTheTemplatesRelativeToItsParent) {
  const ControlPlaceCase& c = GetParam();
  const HWND control = ControlHandle(MainWindow, Cp936(c.name));
  ASSERT_NE(control, nullptr);
  const HWND parent = c.parent ? ControlHandle(MainWindow, Cp936(c.parent)) : main_;
  EXPECT_EQ(GetParent(control), parent);
  const RECT place = PlaceInParent(control);
  EXPECT_EQ(place.left, c.place.left);
  EXPECT_EQ(place.top, c.place.top);
  EXPECT_EQ(place.right, c.place.right);
  EXPECT_EQ(place.bottom, c.place.bottom);
  EXPECT_TRUE(IsWindowVisible(control));
  EXPECT_TRUE(IsWindowEnabled(control));
  if (c.caption) {
    EXPECT_EQ(WindowText(control), Cp936(c.caption));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Template, ControlPlace,
    testing::Values(ControlPlaceCase{L"分组框1", nullptr, {2, 3, 448, 232}, L"弹幕话术"},
                    ControlPlaceCase{L"编辑框1", L"分组框1", {9, 23, 438, 216}, nullptr},
                    ControlPlaceCase{L"按钮2", nullptr, {257, 239, 337, 271}, L"结束"},
                    ControlPlaceCase{L"按钮1", nullptr, {112, 239, 192, 271}, L"开始弹幕"}),
    [](const auto& info) { return "Control" + std::to_string(info.index); });

TEST_F(MainWindowTest, EditBoxHoldsTheTenDefaultLinesIn173Bytes) {
  const std::string content = EditContent();
  EXPECT_EQ(content.size(), 173u);
  EXPECT_EQ(content, DefaultContent());
  EXPECT_EQ(content.substr(0, 4), "\xBD\xF8\xB6\xC8");  // 进度
  const std::string lastLine = content.substr(content.rfind("\r\n") + 2);
  ASSERT_EQ(lastLine.size(), 8u);
  EXPECT_EQ(lastLine.substr(2, 2), "\xC9\x77");  // 蓋, not 盖
}

TEST_F(MainWindowTest, OpensWithTheFocusOnTheStartButton) {
  ASSERT_TRUE(MakeForeground(main_));
  EXPECT_TRUE(PumpUntil([] { return GetFocus() == ControlHandle(MainWindow, kStart); }));
}

struct TabCase {
  const char* name;
  bool shift;
  std::vector<const wchar_t*> steps;  // the focus after each press, from 按钮1
};

class TabOrder : public MainWindowTest, public testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, StepsThroughTheButtonsAndTheEditBoxAndWraps) {
  FocusOn(kStart);
  for (const wchar_t* expected : GetParam().steps) {
    PressKey(VK_TAB, GetParam().shift);
    const HWND target = ControlHandle(MainWindow, Cp936(expected));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == target; }))
        << "expected the focus on " << Cp936(expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, TabOrder,
                         testing::Values(TabCase{"Tab", false, {L"按钮2", L"编辑框1", L"按钮1"}},
                                         TabCase{"ShiftTab", true, {L"编辑框1", L"按钮2", L"按钮1"}}),
                         CaseName{});

TEST_F(MainWindowTest, EnterInTheEditBoxInsertsALineBreakAndPressesNoButton) {
  MessageBoxWatcher boxes;
  FocusOn(kEditBox);
  const HWND edit = ControlHandle(MainWindow, kEditBox);
  SendMessageW(edit, EM_SETSEL, 0, 0);
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([] { return EditContent() == "\r\n" + DefaultContent(); }))
      << EditContent().size() << " bytes";
  PumpFor(100);
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_FALSE(IsWindowLoaded(OverlayWindow));
  EXPECT_EQ(LineCount(), 0);  // Start never ran
}

TEST_F(MainWindowTest, EnterOnAButtonDoesNothing) {
  MessageBoxWatcher boxes;
  FocusOn(kStart);
  PressKey(VK_RETURN);
  PumpFor(150);
  EXPECT_FALSE(IsWindowLoaded(OverlayWindow));
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(MainWindowTest, SpaceClicksTheFocusedButton) {
  FocusOn(kStart);
  PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([] { return IsWindowLoaded(OverlayWindow); }));
}

TEST_F(MainWindowTest, StartWithTheDefaultLinesOpensTheOverlayWithThem) {
  Click(kStart);
  ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
  EXPECT_TRUE(IsWindowVisible(GetWindowHandle(OverlayWindow)));
  EXPECT_EQ(LineCount(), 10);
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(i), Caption), DefaultLine(i));
}

TEST_F(MainWindowTest, TenLinesWithOneFinalLineBreakOpenTheOverlay) {
  SetProperty(MainWindow, kEditBox, Content, NumberedLines(10) + "\r\n");
  Click(kStart);
  EXPECT_TRUE(IsWindowLoaded(OverlayWindow));
  EXPECT_EQ(LineCount(), 10);
}

struct WrongCountCase {
  const char* name;
  std::string content;
  int lineCount;
};

class WrongCount : public MainWindowTest, public testing::WithParamInterface<WrongCountCase> {};

TEST_P(WrongCount, ShowsTheTenLinesBoxAndKeepsTheRejectedLines) {
  const WrongCountCase& c = GetParam();
  SetProperty(MainWindow, kEditBox, Content, c.content);
  std::atomic<bool> ownerless{false};
  MessageBoxWatcher boxes(0, [&](HWND box) { ownerless = GetWindow(box, GW_OWNER) == nullptr; });
  Click(kStart);
  ASSERT_EQ(boxes.Count(), 1);
  const testing_support::SeenBox box = boxes.Last();
  EXPECT_EQ(box.title, Cp936(L"信息："));
  EXPECT_EQ(box.text, Cp936(L"弹幕内容必须是10条哦，亲"));
  EXPECT_EQ(box.buttons, 1);
  EXPECT_FALSE(box.hasIcon);
  EXPECT_TRUE(ownerless);
  EXPECT_EQ(LineCount(), c.lineCount);
  EXPECT_EQ(EditContent(), c.content);
  EXPECT_FALSE(IsWindowLoaded(OverlayWindow));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, WrongCount,
    testing::Values(WrongCountCase{"Empty", "", 0}, WrongCountCase{"Nine", NumberedLines(9), 9},
                    WrongCountCase{"Eleven", NumberedLines(11), 11},
                    WrongCountCase{"TenWithABlankAmongThem", NumberedLines(11, 6), 11}),
    CaseName{});

TEST_F(MainWindowTest, StartTwiceOpensOneOverlay) {
  Click(kStart);
  const HWND overlay = GetWindowHandle(OverlayWindow);
  screenWidth = -1;  // the creation handler would write it again
  Click(kStart);
  EXPECT_EQ(GetWindowHandle(OverlayWindow), overlay);
  EXPECT_EQ(screenWidth, -1);
  EXPECT_EQ(toolkit::Window::Find(OverlayWindow)->Controls().size(), 11u);
}

TEST_F(MainWindowTest, EndThenStartBuildsTheOverlayAfreshWithTheCurrentLines) {
  Click(kStart);
  const HWND first = GetWindowHandle(OverlayWindow);
  Click(kEnd);
  EXPECT_TRUE(IsWindow(first));  // destroyed on a later turn of the loop
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(first); }));
  EXPECT_FALSE(IsWindowLoaded(OverlayWindow));
  SetProperty(MainWindow, kEditBox, Content, NumberedLines(10));
  screenWidth = -1;
  Click(kStart);
  ASSERT_TRUE(IsWindowLoaded(OverlayWindow));
  EXPECT_NE(GetWindowHandle(OverlayWindow), first);
  EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(1), Caption), "line1");
}

struct EndWhileClosedCase {
  const char* name;
  void (*closeOverlay)();  // nullptr: it was never opened
};

class EndWhileClosed : public MainWindowTest,
                       public testing::WithParamInterface<EndWhileClosedCase> {};

TEST_P(EndWhileClosed, DoesNothing) {
  if (GetParam().closeOverlay) GetParam().closeOverlay();
  ASSERT_TRUE(PumpUntil([] { return !toolkit::Window::Find(OverlayWindow); }));
  MessageBoxWatcher boxes;
  Click(kEnd);
  PumpFor(100);
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_TRUE(IsWindowLoaded(MainWindow));
  EXPECT_FALSE(toolkit::Window::Find(OverlayWindow));
}

INSTANTIATE_TEST_SUITE_P(
    Overlay, EndWhileClosed,
    testing::Values(EndWhileClosedCase{"BeforeStart", nullptr},
                    EndWhileClosedCase{"AfterEnd", [] { Click(kStart); Click(kEnd); }},
                    EndWhileClosedCase{"AfterEscClosedIt",
                                       [] {
                                         Click(kStart);
                                         testing_support::PostKey(GetWindowHandle(OverlayWindow),
                                                                  VK_ESCAPE);
                                       }}),
    CaseName{});

TEST_F(MainWindowTest, WhileTheBoxIsUpMainWindowIsDisabledAndCannotBeClosed) {
  SetProperty(MainWindow, kEditBox, Content, NumberedLines(9));
  std::atomic<bool> disabled{false}, stillOpen{false};
  MessageBoxWatcher boxes(0, [&](HWND) {
    disabled = !IsWindowEnabled(main_);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main_, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 2000, &ignored);
    SendMessageTimeoutW(main_, WM_CLOSE, 0, 0, SMTO_NORMAL, 2000, &ignored);
    stillOpen = IsWindow(main_) != FALSE;
  });
  Click(kStart);
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(disabled);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(IsWindowLoaded(MainWindow));
  EXPECT_TRUE(IsWindowEnabled(main_));
}

struct EscCase {
  const char* name;
  const wchar_t* focus;
  bool shift, ctrl, alt;
  bool closes;
};

class EscOnMainWindow : public MainWindowTest, public testing::WithParamInterface<EscCase> {};

TEST_P(EscOnMainWindow, ClosesItOnlyWhenPlain) {
  const EscCase& c = GetParam();
  FocusOn(Cp936(c.focus));
  PressKey(VK_ESCAPE, c.shift, c.ctrl, c.alt);
  if (c.closes) {
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(main_); }));
  } else {
    PumpFor(150);
    EXPECT_TRUE(IsWindowLoaded(MainWindow));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EscOnMainWindow,
    testing::Values(EscCase{"PlainOnAButton", L"按钮1", false, false, false, true},
                    EscCase{"PlainWhileTyping", L"编辑框1", false, false, false, true},
                    EscCase{"WithCtrl", L"编辑框1", false, true, false, false},
                    EscCase{"WithShift", L"编辑框1", true, false, false, false},
                    EscCase{"WithAlt", L"编辑框1", false, false, true, false}),
    CaseName{});

TEST_F(MainWindowTest, ClosingWithFewerThanTenLinesAndNoOverlayLeavesTheRestBlank) {
  SetProperty(MainWindow, kEditBox, Content, NumberedLines(2));
  SendMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(main_));
  ASSERT_NE(toolkit::Window::Find(OverlayWindow), nullptr);  // waiting to be destroyed
  EXPECT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(2), Caption), "line2");
  EXPECT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(3), Caption), "");
  EXPECT_EQ(GetProperty(OverlayWindow, ui_test::LabelName(10), Caption), "");
  EXPECT_TRUE(PumpUntil([] { return !toolkit::Window::Find(OverlayWindow); }));
}

// The whole program in a child process: the entry routine runs the real loop,
// and a thread timer plays the user's part, one step per turn of that loop.
namespace {

using Step = void (*)();
std::span<const Step> script;
std::size_t nextStep = 0;
constexpr int kStepMs = 100;
constexpr std::size_t kGiveUpSteps = 30;  // the program should have ended long before

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (nextStep < script.size()) script[nextStep]();
  else if (nextStep >= script.size() + kGiveUpSteps) ExitProcess(99);
  ++nextStep;
}

// Registered before the entry routine registers ReleaseLines, so it runs
// first and tells what the last handler left in danmakuLines.
void ReportLinesBeforeRelease() {
  std::fprintf(stderr, "[lines-before-release=%d]", LineCount());
  std::fflush(stderr);
}
// Registered after ReleaseLines, so it runs after it.
void ReportReleased() {
  std::fprintf(stderr, "[released=%d]", danmakuLines == nullptr ? 1 : 0);
  std::fflush(stderr);
}

void RunProgramWithScript(std::span<const Step> steps) {
  script = steps;
  RegisterExitRoutine(ReportLinesBeforeRelease);
  SetTimer(nullptr, 0, kStepMs, RunNextStep);
  QuillaroEntry();
  FinishProgram();
}

void RegisterReportReleased() { RegisterExitRoutine(ReportReleased); }
void ClickStart() { Click(kStart); }
void ClickEnd() { Click(kEnd); }
void CloseMainWindow() { SendMessageW(GetWindowHandle(MainWindow), WM_SYSCOMMAND, SC_CLOSE, 0); }
void TypeTwoLines() { SetProperty(MainWindow, kEditBox, Content, "a\r\nb"); }

// A key-down as the system would deliver it, with the modifiers held in the
// thread's key state; left held, since the program ends on it.
void PostEsc(HWND target, bool shift, bool ctrl, bool alt) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  state[VK_MENU] = alt ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, VK_ESCAPE, 1);
}
void PlainEscOnMainWindow() {
  PostEsc(ControlHandle(MainWindow, kEditBox), false, false, false);
}
void ShiftEscOnOverlay() { PostEsc(GetWindowHandle(OverlayWindow), true, false, false); }
void CtrlEscOnOverlay() { PostEsc(GetWindowHandle(OverlayWindow), false, true, false); }
void AltEscOnOverlay() { PostEsc(GetWindowHandle(OverlayWindow), false, false, true); }

struct ProgramEndCase {
  const char* name;
  std::vector<Step> steps;
  int linesBeforeRelease;
};

class ProgramEnd : public testing::TestWithParam<ProgramEndCase> {};

}  // namespace

TEST_P(ProgramEnd, EndsWithExitCodeZeroAfterReleasingTheLines) {
  const ProgramEndCase& c = GetParam();
  EXPECT_EXIT(RunProgramWithScript(c.steps), testing::ExitedWithCode(0),
              testing::AllOf(HasSubstr("[lines-before-release=" +
                                       std::to_string(c.linesBeforeRelease) + "]"),
                             HasSubstr("[released=1]")));
}

INSTANTIATE_TEST_SUITE_P(
    Closing, ProgramEnd,
    testing::Values(
        ProgramEndCase{"MainWindowWithOverlayOpen", {RegisterReportReleased, ClickStart, CloseMainWindow}, 10},
        ProgramEndCase{"MainWindowWithoutOverlay", {RegisterReportReleased, CloseMainWindow}, 10},
        ProgramEndCase{"MainWindowWithFewerThanTenLines",
                       {RegisterReportReleased, TypeTwoLines, CloseMainWindow}, 2},
        ProgramEndCase{"EndWhileClosedThenMainWindow",
                       {RegisterReportReleased, ClickEnd, CloseMainWindow}, 10},
        ProgramEndCase{"EndAfterStartThenMainWindow",
                       {RegisterReportReleased, ClickStart, ClickEnd, CloseMainWindow}, 10},
        ProgramEndCase{"PlainEscOnMainWindow", {RegisterReportReleased, PlainEscOnMainWindow}, 10},
        // Ended on request: MainWindow's closing handler would have taken the two lines.
        ProgramEndCase{"ShiftEscOnOverlay",
                       {RegisterReportReleased, ClickStart, TypeTwoLines, ShiftEscOnOverlay}, 10},
        ProgramEndCase{"CtrlEscOnOverlay",
                       {RegisterReportReleased, ClickStart, TypeTwoLines, CtrlEscOnOverlay}, 10},
        ProgramEndCase{"AltEscOnOverlay",
                       {RegisterReportReleased, ClickStart, TypeTwoLines, AltEscOnOverlay}, 10}),
    CaseName{});
