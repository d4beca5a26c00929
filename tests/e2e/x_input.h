#pragma once

#include <string>

#include "x_windows.h"

namespace e2e {

// Real X input through the XTEST extension: keys go to the window with the
// keyboard focus, clicks to whatever is under the pointer.
void ClickAt(int x, int y);
void MoveMouseTo(int x, int y);
// xdotool key names, e.g. "ctrl+a", "Escape", "shift+Escape", "alt+F4".
void PressKeys(const std::string& keys);
// Sets the X keyboard focus on `window`, as a window manager does.
void FocusWindow(WindowId window);
// Newlines are typed as Return.
void TypeText(const std::string& text);

}  // namespace e2e
