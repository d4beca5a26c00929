#include "toolkit/win32/codepage.h"
#include "toolkit/win32/frame_batch.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/window.h"

int ShowMessageBox(std::string_view message, unsigned style,
                   std::optional<std::string_view> title, const WindowTemplate* owner) {
  const toolkit::Window* ownerWindow = owner ? toolkit::Window::Find(*owner) : nullptr;
  // Task-modal disables every top-level window of the program while the box is up.
  if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
  const std::wstring caption = Widen(title ? *title : std::string_view("信息："));
  const HWND active = GetActiveWindow();
  const toolkit::NestedLoopScope nested;
  const int pressed = MessageBoxW(ownerWindow ? ownerWindow->Handle() : nullptr,
                                  Widen(message).c_str(), caption.c_str(), style);
  // An unowned box leaves no window of the program active behind it; the
  // window the user was working in gets the keyboard back.
  if (active && IsWindow(active) && !GetActiveWindow()) SetForegroundWindow(active);
  // IDOK 1 ... IDNO 7 become 0 ... 6.
  return pressed >= IDOK && pressed <= IDNO ? pressed - IDOK : 0;
}
