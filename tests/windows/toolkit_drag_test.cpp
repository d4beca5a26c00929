// Drag anywhere, driven by real mouse input.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "case_name.h"
#include "toolkit/toolkit.h"
#include "win_test_support.h"

using testing_support::ControlHandle;
using testing_support::LoadedForTest;
using testing_support::MakeForeground;
using testing_support::PumpUntil;
using testing_support::PumpUntilIdle;

namespace {

int buttonClicks = 0;
std::vector<std::string> pressEvents;

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
void GroupPressed(int x, int y, int) { pressEvents.push_back("group " + At(x, y)); }
void WindowPressed(int x, int y, int) { pressEvents.push_back("window " + At(x, y)); }

const ControlTemplate kBoxAndButton[] = {
    {.name = "group", .parent = nullptr, .place = {10, 10, 140, 120},
     .settings = GroupBoxSettings{.caption = "group"},
     .events = {.leftButtonDown = GroupPressed}},
    {.name = "button", .parent = nullptr, .place = {170, 20, 100, 30},
     .settings = PushButtonSettings{.caption = "button"},
     .events = {.clicked = [] { ++buttonClicks; },
                .leftButtonDown = [](int, int, int) { pressEvents.push_back("button"); }}},
};

const WindowTemplate Draggable{
    .name = "Draggable",
    .place = {200, 150, 320, 220},
    .settings = {.title = "drag anywhere", .dragAnywhere = true},
    .controls = kBoxAndButton,
    .events = {.leftButtonDown = WindowPressed},
};

const WindowTemplate Fixed{
    .name = "Fixed",
    .place = {200, 150, 320, 220},
    .settings = {.title = "no drag anywhere"},
    .controls = kBoxAndButton,
    .events = {.leftButtonDown = WindowPressed},
};

void SendMouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    // Absolute positions are in 0..65535 across the primary screen.
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  }
  SendInput(1, &input, sizeof input);
}

// Waits, bounded, until the GUI thread has taken the mouse: a pressed button
// or the system's move loop captures it.
void AwaitCapture(DWORD guiThread) {
  const ULONGLONG deadline = GetTickCount64() + testing_support::kWaitBoundMs;
  GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
  while (GetTickCount64() < deadline) {
    if (GetGUIThreadInfo(guiThread, &info) && info.hwndCapture) return;
    Sleep(5);
  }
}

// Presses at `from`, drags by `by` in steps and releases, from a thread of
// its own: the system's move loop holds the GUI thread while it runs.
class MouseDrag {
 public:
  // With `captures`, the moves wait until the press has taken the mouse.
  MouseDrag(POINT from, POINT by, bool captures)
      : thread_([this, from, by, captures, gui = GetCurrentThreadId()] {
          Run(from, by, captures ? gui : 0);
        }) {}
  ~MouseDrag() { thread_.join(); }
  bool Done() const { return done_; }

 private:
  void Run(POINT from, POINT by, DWORD guiThread) {
    SendMouse(MOUSEEVENTF_MOVE, from);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    if (guiThread) AwaitCapture(guiThread);
    constexpr int kSteps = 5;
    for (int i = 1; i <= kSteps; ++i) {
      SendMouse(MOUSEEVENTF_MOVE, {from.x + by.x * i / kSteps, from.y + by.y * i / kSteps});
      Sleep(10);  // paces the moves as a hand would
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    done_ = true;
  }

  std::atomic<bool> done_{false};
  std::thread thread_;
};

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

struct DragCase {
  const char* name;
  const WindowTemplate* window;
  const char* pressed;  // a control, or nullptr for the window's own client area
  POINT at;             // in the client area of what is pressed
  POINT by;             // how far the mouse is dragged before the release
  bool moves;
  int clicks;
  std::vector<std::string> events;
};

class DragAnywhere : public testing::TestWithParam<DragCase> {
 protected:
  void SetUp() override {
    buttonClicks = 0;
    pressEvents.clear();
  }
};

TEST_P(DragAnywhere, MovesTheWindowOnlyForItsOwnAreaAndGroupBoxes) {
  const DragCase& c = GetParam();
  LoadedForTest loaded(*c.window);
  ASSERT_TRUE(MakeForeground(loaded.Handle()));
  const HWND pressed = c.pressed ? ControlHandle(*c.window, c.pressed) : loaded.Handle();
  const RECT before = RectOf(loaded.Handle());
  {
    MouseDrag drag(ScreenPoint(pressed, c.at), c.by, c.moves || c.clicks > 0);
    ASSERT_TRUE(PumpUntil([&] { return drag.Done(); }));
    EXPECT_TRUE(PumpUntilIdle());
  }
  const RECT after = RectOf(loaded.Handle());
  const POINT moved{after.left - before.left, after.top - before.top};
  EXPECT_EQ(moved.x, c.moves ? c.by.x : 0);
  EXPECT_EQ(moved.y, c.moves ? c.by.y : 0);
  EXPECT_EQ(buttonClicks, c.clicks);
  EXPECT_EQ(pressEvents, c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, DragAnywhere,
    testing::Values(
        DragCase{"OnAGroupBox", &Draggable, "group", {70, 60}, {60, 40}, true, 0, {}},
        DragCase{"OnTheClientArea", &Draggable, nullptr, {20, 170}, {60, 40}, true, 0, {"window 20,170"}},
        DragCase{"OnAPushButton", &Draggable, "button", {50, 15}, {6, 4}, false, 1, {"button"}},
        DragCase{"OnAGroupBoxWithoutTheSetting", &Fixed, "group", {70, 60}, {60, 40}, false, 0,
                 {"group 70,60"}},
        DragCase{"OnTheClientAreaWithoutTheSetting", &Fixed, nullptr, {20, 170}, {60, 40}, false, 0,
                 {"window 20,170"}}),
    CaseName{});

}  // namespace
