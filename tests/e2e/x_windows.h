#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using WindowId = unsigned long;

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// X windows as xdotool sees them. With no window manager, a top-level Wine
// window is one X window that covers its whole outer rectangle, frame included.
std::vector<WindowId> VisibleWindowsTitled(const std::string& title);
std::vector<WindowId> VisibleWindowsOf(pid_t pid);
std::optional<WindowId> WaitForWindowTitled(const std::string& title,
                                            std::chrono::milliseconds timeout);
bool WaitUntilNoWindowTitled(const std::string& title, std::chrono::milliseconds timeout);
std::string WindowName(WindowId window);
Rect WindowGeometry(WindowId window);
// The X window with the keyboard focus. Wine moves it along with Windows'
// activation, but not always (see EndToEndTest::GiveKeyboardTo).
WindowId FocusedWindow();
bool WaitForFocus(WindowId window, std::chrono::milliseconds timeout);

}  // namespace e2e
