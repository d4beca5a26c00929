// The window procedure of the program's windows, split by message group.
#include "toolkit/win32/events.h"
#include "toolkit/win32/handles.h"
#include "toolkit/win32/offscreen_buffer.h"
#include "toolkit/win32/controls/transparent_label.h"
#include "toolkit/win32/window.h"

namespace toolkit {
namespace {
constexpr wchar_t kOwnerClass[] = L"QuillaroOwner";
constexpr int kProgramIconId = 1;
}  // namespace

LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->handle_ = handle;
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (!window) return DefWindowProcW(handle, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
    const LRESULT result = DefWindowProcW(handle, message, wParam, lParam);
    Window::Forget(window);  // the object is gone after this
    return result;
  }
  return window->HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
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

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const auto child = reinterpret_cast<HWND>(lParam);
  Window* window = Window::Containing(child);
  Control* control = window ? window->ControlFromHandle(child) : nullptr;
  if (!control) return false;
  switch (message) {
    case WM_COMMAND:
      control->OnCommand(HIWORD(wParam));
      result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = control->OnColour(reinterpret_cast<HDC>(wParam))) {
        result = reinterpret_cast<LRESULT>(brush);
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && lParam == 0) return false;  // menus and accelerators
  if (message != WM_COMMAND && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC &&
      message != WM_CTLCOLORBTN)
    return false;
  return ReflectToControl(message, wParam, lParam, result);
}

void Window::Paint() {
  PaintScope paint(handle_);
  const RECT& area = paint.area();
  if (IsRectEmpty(&area)) return;
  // The background and the labels lying on it make one frame, shown at once.
  OffscreenBuffer frame(paint.dc(), area);
  // The DC brush: a colour for this paint without creating a GDI object.
  SetDCBrushColor(frame.dc(), ResolveColour(tmpl_.settings.background));
  FillRect(frame.dc(), &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  // Bottom of the stack first: the template lists the topmost control first.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->DrawOnWindow(frame.dc(), area);
  frame.Present();
}

void Window::OnDestroy() {
  // The will-be-destroyed event runs while the controls still exist.
  Raise(tmpl_.events.destroying);
  for (const auto& control : controls_) control->OnDestroy();
}

void RegisterWindowClasses() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window{};
  window.cbSize = sizeof window;
  window.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window.lpfnWndProc = WindowProc;
  window.hInstance = instance;
  window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
  window.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  window.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window.hbrBackground = nullptr;  // each paint fills with the template's colour
  window.lpszClassName = kWindowClass;
  RegisterClassExW(&window);

  WNDCLASSEXW owner{};
  owner.cbSize = sizeof owner;
  owner.lpfnWndProc = DefWindowProcW;
  owner.hInstance = instance;
  owner.lpszClassName = kOwnerClass;
  RegisterClassExW(&owner);

  RegisterTransparentLabelClass();
}

HWND HiddenOwner() {
  static HWND owner = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  return owner;
}

}  // namespace toolkit
