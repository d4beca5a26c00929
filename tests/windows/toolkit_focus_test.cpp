// Initial focus, Tab stepping, Enter and Space, driven by real key presses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "toolkit/toolkit.h"
#include "win_test_support.h"

using testing_support::ControlHandle;
using testing_support::LoadedForTest;
using testing_support::MakeForeground;
using testing_support::PressKey;
using testing_support::PumpUntilIdle;
using testing_support::PumpUntil;

namespace {

std::vector<std::string> clicks;

constexpr PushButtonSettings kButton{.caption = "button"};
constexpr Place kSomewhere{10, 10, 80, 24};

// Equal tab-order numbers throughout; the group box, the disabled, the
// hidden and the untabbed button never get the focus.
const ControlTemplate kSteppingControls[] = {
    {.name = "first", .parent = nullptr, .place = kSomewhere, .settings = kButton, .tabStop = true},
    {.name = "group", .parent = nullptr, .place = {100, 10, 100, 100},
     .settings = GroupBoxSettings{.caption = "group"}, .tabStop = true},
    {.name = "second", .parent = nullptr, .place = kSomewhere, .settings = kButton,
     .tabStop = true},
    {.name = "disabled", .parent = nullptr, .place = kSomewhere, .settings = kButton,
     .enabled = false, .tabStop = true},
    {.name = "third", .parent = nullptr, .place = kSomewhere, .settings = kButton, .tabStop = true},
    {.name = "hidden", .parent = nullptr, .place = kSomewhere, .settings = kButton,
     .visible = false, .tabStop = true},
    {.name = "untabbed", .parent = nullptr, .place = kSomewhere, .settings = kButton},
};

const WindowTemplate Stepping{
    .name = "Stepping",
    .place = {200, 150, 320, 200},
    .settings = {.title = "stepping"},
    .controls = kSteppingControls,
};

const WindowTemplate Elsewhere{
    .name = "Elsewhere",
    .place = {600, 150, 200, 150},
    .settings = {.title = "elsewhere"},
};

bool FocusIs(const WindowTemplate& window, const char* name) {
  return PumpUntil([&] { return GetFocus() == ControlHandle(window, name); });
}

class FocusRules : public testing::Test {
 protected:
  void SetUp() override { clicks.clear(); }
};

TEST_F(FocusRules, WithEqualNumbersTheLastEligibleControlGetsTheInitialFocus) {
  LoadedForTest loaded(Stepping);
  EXPECT_TRUE(FocusIs(Stepping, "third"));
}

struct StepCase {
  const char* name;
  bool shift;
  std::vector<const char*> visits;
};

class TabStepping : public FocusRules, public testing::WithParamInterface<StepCase> {};

TEST_P(TabStepping, VisitsTheEligibleControlsAndWraps) {
  const StepCase& c = GetParam();
  LoadedForTest loaded(Stepping);
  ASSERT_TRUE(MakeForeground(loaded.Handle()));
  ASSERT_TRUE(FocusIs(Stepping, "third"));
  for (const char* expected : c.visits) {
    PressKey(VK_TAB, c.shift);
    EXPECT_TRUE(FocusIs(Stepping, expected)) << "expected " << expected;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, TabStepping,
    testing::Values(StepCase{"TabInReverseListOrder", false, {"second", "first", "third"}},
                    StepCase{"ShiftTabInListOrder", true, {"first", "second", "third"}}),
    CaseName{});

TEST_F(FocusRules, ComesBackToTheControlThatHadItAfterTheWindowWasInactive) {
  LoadedForTest loaded(Stepping);
  ASSERT_TRUE(MakeForeground(loaded.Handle()));
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusIs(Stepping, "second"));
  {
    LoadedForTest other(Elsewhere);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.Handle(); }));
    EXPECT_NE(GetFocus(), ControlHandle(Stepping, "second"));
    ASSERT_TRUE(MakeForeground(loaded.Handle()));
    EXPECT_TRUE(FocusIs(Stepping, "second"));
  }
}

// Enter: each button records its click.
const ControlTemplate kDefaultAndOrdinary[] = {
    {.name = "ordinary", .parent = nullptr, .place = kSomewhere, .settings = kButton,
     .tabStop = true, .events = {.clicked = [] { clicks.push_back("ordinary"); }}},
    {.name = "default", .parent = nullptr, .place = kSomewhere,
     .settings = PushButtonSettings{.caption = "default", .defaultButton = true},
     .tabStop = true, .events = {.clicked = [] { clicks.push_back("default"); }}},
    {.name = "memo", .parent = nullptr, .place = {100, 10, 150, 60},
     .settings = EditBoxSettings{.multiLine = true}, .tabStop = true},
    {.name = "notes", .parent = nullptr, .place = {100, 80, 150, 60},
     .settings = EditBoxSettings{.multiLine = true, .inputMode = InputMode::ReadOnly},
     .tabStop = true},
};

const ControlTemplate kTwoOrdinary[] = {
    {.name = "one", .parent = nullptr, .place = kSomewhere, .settings = kButton, .tabStop = true,
     .events = {.clicked = [] { clicks.push_back("one"); }}},
    {.name = "two", .parent = nullptr, .place = kSomewhere, .settings = kButton, .tabStop = true,
     .events = {.clicked = [] { clicks.push_back("two"); }}},
};

const WindowTemplate WithDefault{
    .name = "WithDefault",
    .place = {200, 150, 320, 200},
    .settings = {.title = "with a default button"},
    .controls = kDefaultAndOrdinary,
};

const WindowTemplate EnterMoves{
    .name = "EnterMoves",
    .place = {200, 150, 320, 200},
    .settings = {.title = "Enter moves the focus", .enterMovesFocus = true},
    .controls = kDefaultAndOrdinary,
};

const WindowTemplate EnterMovesNoDefault{
    .name = "EnterMovesNoDefault",
    .place = {200, 150, 320, 200},
    .settings = {.title = "Enter moves, no default", .enterMovesFocus = true},
    .controls = kTwoOrdinary,
};

const WindowTemplate Neither{
    .name = "Neither",
    .place = {200, 150, 320, 200},
    .settings = {.title = "no default, Enter stays"},
    .controls = kTwoOrdinary,
};

struct EnterCase {
  const char* name;
  const WindowTemplate* window;
  const char* focus;
  std::vector<std::string> clicks;
  const char* focusAfter;
};

class EnterKey : public FocusRules, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, FollowsTheWindowsSettings) {
  const EnterCase& c = GetParam();
  LoadedForTest loaded(*c.window);
  ASSERT_TRUE(MakeForeground(loaded.Handle()));
  SetFocus(ControlHandle(*c.window, c.focus));
  ASSERT_TRUE(FocusIs(*c.window, c.focus));
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntilIdle());
  EXPECT_EQ(clicks, c.clicks);
  EXPECT_TRUE(FocusIs(*c.window, c.focusAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnterKey,
    testing::Values(
        EnterCase{"ClicksTheDefaultButtonFromAnother", &WithDefault, "ordinary", {"default"},
                  "ordinary"},
        EnterCase{"ClicksAFocusedDefaultButton", &WithDefault, "default", {"default"}, "default"},
        EnterCase{"ClicksTheDefaultButtonFromAReadOnlyEditBox", &WithDefault, "notes",
                  {"default"}, "notes"},
        EnterCase{"StaysInAWritableMultiLineEditBox", &WithDefault, "memo", {}, "memo"},
        EnterCase{"ClicksAFocusedDefaultButtonEvenWhenEnterMoves", &EnterMoves, "default",
                  {"default"}, "default"},
        EnterCase{"MovesLikeTabInsteadOfClickingTheDefault", &EnterMoves, "ordinary", {},
                  "notes"},
        EnterCase{"MovesLikeTab", &EnterMovesNoDefault, "two", {}, "one"},
        EnterCase{"DoesNothingWithoutEitherSetting", &Neither, "two", {}, "two"}),
    CaseName{});

TEST_F(FocusRules, SpaceOnAFocusedButtonClicksIt) {
  LoadedForTest loaded(Neither);
  ASSERT_TRUE(MakeForeground(loaded.Handle()));
  SetFocus(ControlHandle(Neither, "one"));
  ASSERT_TRUE(FocusIs(Neither, "one"));
  PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([] { return !clicks.empty(); }));
  EXPECT_EQ(clicks, (std::vector<std::string>{"one"}));
}

}  // namespace
