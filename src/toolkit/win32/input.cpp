#include "toolkit/win32/input.h"

#include "toolkit/core/key_codes.h"
#include "toolkit/win32/events.h"
#include "toolkit/win32/window.h"

namespace toolkit {
namespace {

bool Held(int key) { return GetKeyState(key) < 0; }

// Enter: a focused default button is clicked; otherwise the focus moves on
// when the window says so; otherwise the window's default button is clicked.
void HandleEnter(Window& window, Control* focused) {
  if (focused && focused->IsDefaultButton()) focused->Click();
  else if (window.Template().settings.enterMovesFocus) window.StepFocus(+1);
  else if (Control* button = window.DefaultButton()) button->Click();
}

// The keyboard settings in their order; true when one of them took the key.
bool ApplyKeyboardSettings(Window& window, Control* focused, WPARAM key) {
  const bool modified = Held(VK_CONTROL) || Held(VK_SHIFT) || Held(VK_MENU);
  if (key == VK_ESCAPE && window.Template().settings.escCloses && !modified) {
    // Exactly as the close box: the system's close command.
    SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (key == VK_TAB && !Held(VK_CONTROL) && !Held(VK_MENU)) {
    window.StepFocus(Held(VK_SHIFT) ? -1 : +1);
    return true;
  }
  if (key == VK_RETURN) {
    HandleEnter(window, focused);
    return true;
  }
  return false;
}

bool HandleKeyDown(const MSG& message) {
  Window* window = Window::Containing(message.hwnd);
  if (!window) return false;
  Control* target = window->ControlFromHandle(message.hwnd);
  // A key that the focused control keeps goes straight to it.
  if (target && target->KeepsKey(message.wParam)) return false;
  if (ApplyKeyboardSettings(*window, target, message.wParam)) return true;
  const KeyHandler handler = message.hwnd == window->Handle() ? window->Template().events.keyDown
                             : target ? target->Template().events.keyDown
                                      : nullptr;
  Raise(handler, EventKeyCode(static_cast<int>(message.wParam)), CurrentShiftState());
  return false;
}

// Drag anywhere: the press is handed to the system as a press on the caption.
void StartDrag(Window& window, LPARAM clientPosition, HWND from) {
  POINT point{static_cast<short>(LOWORD(clientPosition)), static_cast<short>(HIWORD(clientPosition))};
  ClientToScreen(from, &point);
  ReleaseCapture();
  PostMessageW(window.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

// A press addressed to `window` or one of its controls.
struct Press {
  HWND target;
  LPARAM position;  // client coordinates of the target
};

// A container is transparent to the system's hit-testing, so a press on it
// arrives at the window beneath; it is handed back to the innermost container there.
Press PressOnContainer(const Window& window, Press press) {
  POINT point{static_cast<short>(LOWORD(press.position)),
              static_cast<short>(HIWORD(press.position))};
  for (;;) {
    const HWND child =
        ChildWindowFromPointEx(press.target, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    const Control* control = child != press.target ? window.ControlFromHandle(child) : nullptr;
    if (!control || !control->IsContainer()) return press;
    MapWindowPoints(press.target, child, &point, 1);
    press = {child, MAKELPARAM(point.x, point.y)};
  }
}

bool HandleLeftButtonDown(const MSG& message) {
  Window* window = Window::Containing(message.hwnd);
  if (!window) return false;
  const bool drag = window->Template().settings.dragAnywhere;
  const Press press = PressOnContainer(*window, {message.hwnd, message.lParam});
  Control* target = window->ControlFromHandle(press.target);
  const int x = LOWORD(press.position);
  const int y = HIWORD(press.position);
  if (!target) {
    if (press.target != window->Handle()) return false;
    if (drag) StartDrag(*window, press.position, press.target);
    Raise(window->Template().events.leftButtonDown, x, y, CurrentShiftState());
    return false;
  }
  if (drag && target->IsContainer()) {
    StartDrag(*window, press.position, press.target);
    return true;
  }
  Raise(target->Template().events.leftButtonDown, x, y, CurrentShiftState());
  return false;
}

}  // namespace

int CurrentShiftState() {
  return (Held(VK_CONTROL) ? kShiftCtrl : 0) | (Held(VK_SHIFT) ? kShiftShift : 0) |
         (Held(VK_MENU) ? kShiftAlt : 0);
}

bool PreTranslateInput(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return HandleKeyDown(message);
    case WM_LBUTTONDOWN:
      return HandleLeftButtonDown(message);
    default:
      return false;
  }
}

}  // namespace toolkit
