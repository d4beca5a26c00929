// The window procedure of the program's windows, split by message group.
#include "toolkit/win32/colours.h"
#include "toolkit/win32/events.h"
#include "toolkit/win32/handles.h"
#include "toolkit/win32/offscreen_buffer.h"
#include "toolkit/win32/own_class.h"
#include "toolkit/win32/window.h"
#include "toolkit/win32/window_class.h"

namespace toolkit {

LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = static_cast<Window*>(KeptObject(handle, message, lParam));
  if (!window) return DefWindowProcW(handle, message, wParam, lParam);
  if (message == WM_NCCREATE) window->handle_ = handle;
  if (message == WM_NCDESTROY) {
    const LRESULT result = DefWindowProcW(handle, message, wParam, lParam);
    Window::Forget(window);  // the object is gone after this
    return result;
  }
  return window->HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Control::Reflect(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_CLOSE:
      // Disabled while a modal box is up: a close from the task bar or from
      // another program must wait for it, as every user input does.
      if (!IsWindowEnabled(handle_)) return 0;
      break;
    case WM_TIMER:
      for (const auto& control : controls_)
        if (control->TimerId() == wParam) control->OnTimer();
      return 0;
    case kUnloadRequest:
      DestroyWindow(handle_);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}

void Window::Paint() {
  PaintScope paint(handle_);
  const RECT& area = paint.area();
  if (IsRectEmpty(&area)) return;
  // The background and the labels lying on it make one frame, shown at once.
  OffscreenBuffer frame(paint.dc(), area);
  FillWithColour(frame.dc(), area, tmpl_.settings.background);
  // Bottom of the stack first: the template lists the topmost control first.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->DrawOnWindow(frame.dc(), area);
  frame.Present();
}

void Window::OnDestroy() {
  // The will-be-destroyed event runs while the controls still exist.
  Raise(tmpl_.events.destroying);
  for (const auto& control : controls_) control->OnDestroy();
}

}  // namespace toolkit
