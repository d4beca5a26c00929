// How the standard controls are built from their templates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/codepage.h"
#include "win_test_support.h"

using testing_support::ControlHandle;
using testing_support::LoadedForTest;
using testing_support::PumpUntil;

namespace {

LONG StyleOf(HWND handle) { return GetWindowLongW(handle, GWL_STYLE); }
LONG ExStyleOf(HWND handle) { return GetWindowLongW(handle, GWL_EXSTYLE); }

const ControlTemplate kMixed[] = {
    {.name = "group", .parent = nullptr, .place = {10, 10, 200, 150},
     .settings = GroupBoxSettings{.caption = "group"}},
    {.name = "inner edit", .parent = "group", .place = {12, 20, 120, 24},
     .settings = EditBoxSettings{.content = "inner"}},
    {.name = "inner button", .parent = "group", .place = {15, 60, 90, 30},
     .settings = PushButtonSettings{.caption = "inner"}},
    {.name = "edit", .parent = nullptr, .place = {220, 10, 80, 24},
     .settings = EditBoxSettings{.content = "edit"}},
    {.name = "disabled", .parent = nullptr, .place = {220, 40, 80, 30},
     .settings = PushButtonSettings{.caption = "disabled"}, .enabled = false},
    {.name = "hidden", .parent = nullptr, .place = {220, 80, 80, 30},
     .settings = PushButtonSettings{.caption = "hidden"}, .visible = false},
    {.name = "button", .parent = nullptr, .place = {220, 120, 80, 30},
     .settings = PushButtonSettings{.caption = "button"}},
};

const WindowTemplate Mixed{
    .name = "Mixed",
    .place = {150, 120, 340, 220},
    .settings = {.title = "mixed", .visible = false},
    .controls = kMixed,
};

const WindowTemplate Front{
    .name = "Front",
    .place = {600, 120, 200, 150},
    .settings = {.title = "in front"},
};

// The styles every child window of the thread was created with.
std::vector<LONG> createdChildStyles;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    if (create->style & WS_CHILD) createdChildStyles.push_back(create->style);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Controls, AreCreatedHiddenAndShownWithoutActivation) {
  LoadedForTest front(Front);
  ASSERT_TRUE(testing_support::MakeForeground(front.Handle()));
  createdChildStyles.clear();
  const HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  LoadedForTest loaded(Mixed);
  UnhookWindowsHookEx(hook);

  ASSERT_EQ(createdChildStyles.size(), std::size(kMixed));
  for (LONG style : createdChildStyles) EXPECT_EQ(style & WS_VISIBLE, 0);
  for (const ControlTemplate& control : kMixed)
    EXPECT_EQ((StyleOf(ControlHandle(Mixed, control.name)) & WS_VISIBLE) != 0, control.visible)
        << control.name;
  EXPECT_EQ(GetActiveWindow(), front.Handle());
  EXPECT_EQ(GetForegroundWindow(), front.Handle());
}

TEST(Controls, DisabledOnesAreCreatedDisabled) {
  createdChildStyles.clear();
  const HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  LoadedForTest loaded(Mixed);
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(createdChildStyles.size(), std::size(kMixed));
  for (std::size_t i = 0; i < std::size(kMixed); ++i) {
    EXPECT_EQ((createdChildStyles[i] & WS_DISABLED) == 0, kMixed[i].enabled) << kMixed[i].name;
    EXPECT_EQ(IsWindowEnabled(ControlHandle(Mixed, kMixed[i].name)) != FALSE, kMixed[i].enabled);
  }
}

// The children of `parent` from the top of the stacking order down.
std::vector<HWND> StackedChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::vector<HWND> Handles(std::initializer_list<const char*> names) {
  std::vector<HWND> handles;
  for (const char* name : names) handles.push_back(ControlHandle(Mixed, name));
  return handles;
}

TEST(Controls, ListOrderIsStackingOrderFirstOnTop) {
  LoadedForTest loaded(Mixed);
  EXPECT_EQ(StackedChildren(loaded.Handle()),
            Handles({"group", "edit", "disabled", "hidden", "button"}));
  EXPECT_EQ(StackedChildren(ControlHandle(Mixed, "group")),
            Handles({"inner edit", "inner button"}));
}

RECT RectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(Controls, LieInTheirParentAtTheirTemplatePlace) {
  LoadedForTest loaded(Mixed);
  for (const ControlTemplate& control : kMixed) {
    const HWND handle = ControlHandle(Mixed, control.name);
    const HWND parent = control.parent ? ControlHandle(Mixed, control.parent) : loaded.Handle();
    EXPECT_EQ(GetParent(handle), parent) << control.name;
    const RECT rect = RectInParent(handle);
    const Place& place = control.place;
    EXPECT_EQ(rect.left, place.left) << control.name;
    EXPECT_EQ(rect.top, place.top) << control.name;
    EXPECT_EQ(rect.right - rect.left, place.width) << control.name;
    EXPECT_EQ(rect.bottom - rect.top, place.height) << control.name;
  }
}

TEST(Controls, UseTheDefaultGuiFont) {
  LoadedForTest loaded(Mixed);
  for (const ControlTemplate& control : kMixed)
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(ControlHandle(Mixed, control.name),
                                                     WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT))
        << control.name;
}

// One control of `settings` in a window of its own, for the tables below.
class OneControl {
 public:
  explicit OneControl(const ControlSettings& settings)
      : control_{.name = "control", .parent = nullptr, .place = {10, 10, 150, 60},
                 .settings = settings},
        window_{.name = "OneControl", .place = {150, 120, 260, 160},
                .settings = {.title = "one control", .visible = false},
                .controls = {&control_, 1}},
        loaded_(window_) {}

  HWND Handle() const { return ControlHandle(window_, "control"); }
  const WindowTemplate& Window() const { return window_; }

 private:
  ControlTemplate control_;
  WindowTemplate window_;
  LoadedForTest loaded_;
};

struct EditStyleCase {
  const char* name;
  EditBoxSettings settings;
  LONG styleMask, style;
  LONG exStyleMask, exStyle;
};

class EditBoxStyle : public testing::TestWithParam<EditStyleCase> {};

TEST_P(EditBoxStyle, FollowsItsSettings) {
  const EditStyleCase& c = GetParam();
  OneControl edit(c.settings);
  EXPECT_EQ(StyleOf(edit.Handle()) & c.styleMask, c.style);
  EXPECT_EQ(ExStyleOf(edit.Handle()) & c.exStyleMask, c.exStyle);
}

constexpr LONG kCase = ES_UPPERCASE | ES_LOWERCASE;
constexpr LONG kAlign = ES_CENTER | ES_RIGHT;
constexpr LONG kWrapping = ES_MULTILINE | WS_HSCROLL | ES_AUTOHSCROLL;

INSTANTIATE_TEST_SUITE_P(
    Settings, EditBoxStyle,
    testing::Values(
        EditStyleCase{"Sunken", {.border = EditBorder::Sunken}, WS_BORDER, 0, WS_EX_CLIENTEDGE,
                      WS_EX_CLIENTEDGE},
        EditStyleCase{"NoBorder", {.border = EditBorder::None}, WS_BORDER, 0, WS_EX_CLIENTEDGE, 0},
        EditStyleCase{"MultiLineWraps", {.multiLine = true}, kWrapping, ES_MULTILINE, 0, 0},
        EditStyleCase{"MultiLineWithHorizontalBar",
                      {.multiLine = true, .scrollBars = ScrollBars::Horizontal}, kWrapping,
                      kWrapping, 0, 0},
        EditStyleCase{"VerticalBar", {.multiLine = true, .scrollBars = ScrollBars::Vertical},
                      WS_VSCROLL | WS_HSCROLL, WS_VSCROLL, 0, 0},
        EditStyleCase{"ReadOnly", {.inputMode = InputMode::ReadOnly}, ES_READONLY, ES_READONLY,
                      0, 0},
        EditStyleCase{"Password", {.inputMode = InputMode::Password}, ES_PASSWORD, ES_PASSWORD,
                      0, 0},
        EditStyleCase{"Upper", {.caseConversion = CaseConversion::Upper}, kCase, ES_UPPERCASE, 0,
                      0},
        EditStyleCase{"Lower", {.caseConversion = CaseConversion::Lower}, kCase, ES_LOWERCASE, 0,
                      0},
        EditStyleCase{"NoConversion", {}, kCase | ES_READONLY | ES_PASSWORD, 0, 0, 0},
        EditStyleCase{"Centre", {.align = Align::Centre}, kAlign, ES_CENTER, 0, 0},
        EditStyleCase{"Right", {.align = Align::Right}, kAlign, ES_RIGHT, 0, 0},
        EditStyleCase{"KeepsTheSelectionShown", {.hideSelection = false}, ES_NOHIDESEL,
                      ES_NOHIDESEL, 0, 0}),
    CaseName{});

TEST(EditBox, MultiLineWithoutHorizontalBarWrapsALongLine) {
  OneControl edit(EditBoxSettings{
      .content = "a long line of words that cannot fit into one hundred and fifty pixels",
      .multiLine = true});
  EXPECT_GT(SendMessageW(edit.Handle(), EM_GETLINECOUNT, 0, 0), 1);
}

TEST(EditBox, InitialSelectionIsApplied) {
  OneControl edit(EditBoxSettings{.content = "abcdefgh", .selectionStart = 2,
                                  .selectionLength = 3});
  DWORD start = 0, end = 0;
  SendMessageW(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 5u);
}

TEST(EditBox, PasswordShowsItsMaskCharacter) {
  OneControl edit(EditBoxSettings{.inputMode = InputMode::Password, .passwordMask = '#'});
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
}

TEST(EditBox, MaximumLengthIsApplied) {
  OneControl edit(EditBoxSettings{.maxLength = 5});
  EXPECT_EQ(SendMessageW(edit.Handle(), EM_GETLIMITTEXT, 0, 0), 5);
}

// About a megabyte of CR LF lines, Chinese among them.
std::string MegabyteOfLines() {
  const std::string line = "line of danmaku " + testing_support::Cp936(L"弹幕膝蓋") + " 0123456789\r\n";
  std::string text;
  while (text.size() < (1u << 20)) text += line;
  return text;
}

TEST(EditBox, NoMaximumLengthTakesTheSystemsLimit) {
  OneControl edit(EditBoxSettings{.maxLength = 0, .multiLine = true});
  EXPECT_GE(static_cast<std::size_t>(SendMessageW(edit.Handle(), EM_GETLIMITTEXT, 0, 0)),
            std::size_t{0x7FFFFFFE});
}

TEST(EditBox, AMegabyteOfContentRoundTrips) {
  // Unwrapped lines: wrapping a megabyte takes the system's edit box seconds.
  OneControl edit(EditBoxSettings{.maxLength = 0, .multiLine = true,
                                  .scrollBars = ScrollBars::Both});
  const std::string text = MegabyteOfLines();
  SetProperty(edit.Window(), "control", Content, text);
  EXPECT_TRUE(GetProperty(edit.Window(), "control", Content) == text);

  const std::string typed = text.substr(0, text.size() / 2);
  SendMessageW(edit.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(typed).c_str()));
  EXPECT_TRUE(GetProperty(edit.Window(), "control", Content) == typed);
}

struct ButtonStyleCase {
  const char* name;
  PushButtonSettings settings;
  LONG kind, horizontal, vertical;
};

class PushButtonStyle : public testing::TestWithParam<ButtonStyleCase> {};

TEST_P(PushButtonStyle, FollowsItsSettings) {
  const ButtonStyleCase& c = GetParam();
  OneControl button(c.settings);
  const LONG style = StyleOf(button.Handle());
  EXPECT_EQ(style & BS_TYPEMASK, c.kind);
  EXPECT_EQ(style & BS_CENTER, c.horizontal);
  EXPECT_EQ(style & BS_VCENTER, c.vertical);
  EXPECT_NE(style & BS_MULTILINE, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PushButtonStyle,
    testing::Values(
        ButtonStyleCase{"Ordinary", {}, BS_PUSHBUTTON, BS_CENTER, BS_VCENTER},
        ButtonStyleCase{"Default", {.defaultButton = true}, BS_DEFPUSHBUTTON, BS_CENTER,
                        BS_VCENTER},
        ButtonStyleCase{"LeftTop", {.align = Align::Left, .verticalAlign = VAlign::Top},
                        BS_PUSHBUTTON, BS_LEFT, BS_TOP},
        ButtonStyleCase{"RightBottom", {.align = Align::Right, .verticalAlign = VAlign::Bottom},
                        BS_PUSHBUTTON, BS_RIGHT, BS_BOTTOM}),
    CaseName{});

}  // namespace
