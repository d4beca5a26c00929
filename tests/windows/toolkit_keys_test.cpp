// Esc closes and the key-down event, driven by real key presses.
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
using testing_support::PumpUntil;
using testing_support::PumpUntilIdle;

namespace {

struct KeyEvent {
  std::string target;
  int code;
  int shift;
  bool operator==(const KeyEvent&) const = default;
};

std::vector<KeyEvent> keyEvents;
void MemoKeyDown(int code, int shift) { keyEvents.push_back({"memo", code, shift}); }
void ButtonKeyDown(int code, int shift) { keyEvents.push_back({"button", code, shift}); }
void WindowKeyDown(int code, int shift) { keyEvents.push_back({"window", code, shift}); }

const ControlTemplate kMemoAndButton[] = {
    {.name = "memo", .parent = nullptr, .place = {10, 10, 200, 80},
     .settings = EditBoxSettings{.content = "one", .multiLine = true}, .tabStop = true,
     .events = {.keyDown = MemoKeyDown}},
    {.name = "button", .parent = nullptr, .place = {10, 100, 80, 30},
     .settings = PushButtonSettings{.caption = "button"}, .tabStop = true,
     .events = {.keyDown = ButtonKeyDown}},
};

const WindowTemplate WithMemo{
    .name = "WithMemo",
    .place = {200, 150, 320, 200},
    .settings = {.title = "memo", .escCloses = true},
    .controls = kMemoAndButton,
    .events = {.keyDown = WindowKeyDown},
};

// No control takes the focus, so keys are addressed to the window itself.
const WindowTemplate Bare{
    .name = "Bare",
    .place = {200, 150, 320, 200},
    .settings = {.title = "bare", .escCloses = true},
    .events = {.keyDown = WindowKeyDown},
};

class KeyRules : public testing::Test {
 protected:
  void SetUp() override { keyEvents.clear(); }

  // Loads `window` in front with the focus on `control` (or the window).
  HWND Focus(LoadedForTest& loaded, const char* control = nullptr) {
    EXPECT_TRUE(MakeForeground(loaded.Handle()));
    const HWND target = control ? ControlHandle(WithMemo, control) : loaded.Handle();
    SetFocus(target);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == target; }));
    return target;
  }
};

std::string MemoText() { return GetProperty(WithMemo, "memo", Content); }

TEST_F(KeyRules, EnterInAMultiLineEditBoxInsertsALineBreak) {
  LoadedForTest loaded(WithMemo);
  const HWND memo = Focus(loaded, "memo");
  SendMessageW(memo, EM_SETSEL, 3, 3);
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([] { return MemoText() == "one\r\n"; })) << MemoText();
  EXPECT_TRUE(IsWindowLoaded(WithMemo));
}

TEST_F(KeyRules, PlainEscClosesTheWindowFromAMultiLineEditBoxWithoutAKeyEvent) {
  LoadedForTest loaded(WithMemo);
  Focus(loaded, "memo");
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([] { return !IsWindowLoaded(WithMemo); }));
  EXPECT_FALSE(IsWindow(loaded.Handle()));
  EXPECT_TRUE(keyEvents.empty());
}

TEST_F(KeyRules, PlainEscClosesAWindowThatHasTheFocusItself) {
  LoadedForTest loaded(Bare);
  Focus(loaded);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([] { return !IsWindowLoaded(Bare); }));
  EXPECT_TRUE(keyEvents.empty());
}

TEST_F(KeyRules, TabRaisesNoKeyEvent) {
  LoadedForTest loaded(WithMemo);
  Focus(loaded, "memo");
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([] { return GetFocus() == ControlHandle(WithMemo, "button"); }));
  PressKey('Q');  // a key that does raise one, to know the Tab was taken before it
  EXPECT_TRUE(PumpUntil([] { return !keyEvents.empty(); }));
  EXPECT_EQ(keyEvents, (std::vector<KeyEvent>{{"button", 'Q', 0}}));
}

const WindowTemplate EscKept{
    .name = "EscKept",
    .place = {200, 150, 320, 200},
    .settings = {.title = "Esc does not close"},
    .events = {.keyDown = WindowKeyDown},
};

TEST_F(KeyRules, PlainEscReachesTheKeyEventWhenEscDoesNotClose) {
  LoadedForTest loaded(EscKept);
  Focus(loaded);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([] { return !keyEvents.empty(); }));
  EXPECT_EQ(keyEvents, (std::vector<KeyEvent>{{"window", VK_ESCAPE, 0}}));
  EXPECT_TRUE(IsWindowLoaded(EscKept));
}

struct ModifiedEscCase {
  const char* name;
  const char* focus;  // a control of WithMemo, or nullptr for Bare itself
  bool shift, ctrl, alt;
  int shiftState;
};

class ModifiedEsc : public KeyRules, public testing::WithParamInterface<ModifiedEscCase> {};

TEST_P(ModifiedEsc, ReachesTheKeyEventAndDoesNotClose) {
  const ModifiedEscCase& c = GetParam();
  const WindowTemplate& window = c.focus ? WithMemo : Bare;
  LoadedForTest loaded(window);
  Focus(loaded, c.focus);
  PressKey(VK_ESCAPE, c.shift, c.ctrl, c.alt);
  const KeyEvent expected{c.focus ? "memo" : "window", VK_ESCAPE, c.shiftState};
  EXPECT_TRUE(PumpUntil([&] {
    for (const KeyEvent& e : keyEvents)
      if (e == expected) return true;
    return false;
  })) << keyEvents.size() << " key events";
  EXPECT_TRUE(PumpUntilIdle());  // a close would have been taken by now
  EXPECT_TRUE(IsWindowLoaded(window));
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, ModifiedEsc,
    testing::Values(ModifiedEscCase{"ShiftInEditBox", "memo", true, false, false, kShiftShift},
                    ModifiedEscCase{"CtrlInEditBox", "memo", false, true, false, kShiftCtrl},
                    ModifiedEscCase{"AltInEditBox", "memo", false, false, true, kShiftAlt},
                    ModifiedEscCase{"ShiftOnWindow", nullptr, true, false, false, kShiftShift},
                    ModifiedEscCase{"CtrlOnWindow", nullptr, false, true, false, kShiftCtrl},
                    ModifiedEscCase{"AltOnWindow", nullptr, false, false, true, kShiftAlt},
                    ModifiedEscCase{"CtrlShiftOnWindow", nullptr, true, true, false,
                                    kShiftCtrl | kShiftShift}),
    CaseName{});

struct KeyCodeCase {
  const char* name;
  WORD key;
  int code;
};

class KeyCode : public KeyRules, public testing::WithParamInterface<KeyCodeCase> {};

TEST_P(KeyCode, IsTheMappedVirtualKey) {
  const KeyCodeCase& c = GetParam();
  LoadedForTest loaded(Bare);
  Focus(loaded);
  PressKey(c.key);
  EXPECT_TRUE(PumpUntil([] { return !keyEvents.empty(); }));
  ASSERT_EQ(keyEvents.size(), 1u);
  EXPECT_EQ(keyEvents[0], (KeyEvent{"window", c.code, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Mapped, KeyCode,
    testing::Values(KeyCodeCase{"Numpad0", VK_NUMPAD0, '0'}, KeyCodeCase{"Numpad5", VK_NUMPAD5, '5'},
                    KeyCodeCase{"Numpad9", VK_NUMPAD9, '9'},
                    KeyCodeCase{"Subtract", VK_SUBTRACT, VK_OEM_MINUS},
                    KeyCodeCase{"Decimal", VK_DECIMAL, VK_OEM_PERIOD},
                    KeyCodeCase{"Divide", VK_DIVIDE, VK_OEM_2}, KeyCodeCase{"Letter", 'A', 'A'},
                    KeyCodeCase{"Digit", '7', '7'}, KeyCodeCase{"F5", VK_F5, VK_F5},
                    KeyCodeCase{"Multiply", VK_MULTIPLY, VK_MULTIPLY}),
    CaseName{});

}  // namespace
