#include "toolkit/win32/controls/control.h"

#include <commctrl.h>

#include "toolkit/win32/codepage.h"
#include "toolkit/win32/own_class.h"

namespace toolkit {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// Asks a control's window for its control; a window of any other kind
// leaves it to the default procedure, which answers 0.
UINT ControlQuery() {
  static const UINT message = RegisterWindowMessageW(L"Quillaro.ControlQuery");
  return message;
}

bool IsReflected(UINT message) {
  return message == WM_COMMAND || message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC ||
         message == WM_CTLCOLORBTN;
}

}  // namespace

Control* Control::FromHandle(HWND handle) {
  // Only this thread's windows are asked: another thread's would be waited for.
  if (!handle || GetWindowThreadProcessId(handle, nullptr) != GetCurrentThreadId()) return nullptr;
  return reinterpret_cast<Control*>(SendMessageW(handle, ControlQuery(), 0, 0));
}

bool Control::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // A WM_COMMAND without a child comes from a menu or an accelerator.
  Control* control = IsReflected(message) ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
  if (!control) return false;
  if (message == WM_COMMAND) {
    control->OnCommand(HIWORD(wParam));
    result = 0;
    return true;
  }
  HBRUSH brush = control->OnColour(reinterpret_cast<HDC>(wParam));
  if (!brush) return false;
  result = reinterpret_cast<LRESULT>(brush);
  return true;
}

bool Control::RegisterOwnClass(const wchar_t* name, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Control::OwnClassProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

LRESULT CALLBACK Control::OwnClassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<Control*>(KeptObject(handle, message, lParam));
  if (!control) return DefWindowProcW(handle, message, wParam, lParam);
  if (message == WM_NCCREATE) control->handle_ = handle;
  return control->Answer(message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(handle, &Control::SubclassProc, kSubclassId);
  return reinterpret_cast<Control*>(data)->Answer(message, wParam, lParam);
}

LRESULT Control::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ControlQuery()) return reinterpret_cast<LRESULT>(this);
  return HandleMessage(message, wParam, lParam);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return subclassed_ ? DefSubclassProc(handle_, message, wParam, lParam)
                     : DefWindowProcW(handle_, message, wParam, lParam);
}

HWND Control::CreateChild(HWND parent, const wchar_t* windowClass, DWORD style,
                          DWORD extendedStyle, std::string_view text) {
  const Place& place = tmpl_.place;
  if (!tmpl_.enabled) style |= WS_DISABLED;
  if (tmpl_.tabStop) style |= WS_TABSTOP;
  handle_ = CreateWindowExW(extendedStyle, windowClass, Widen(text).c_str(),
                            (style | WS_CHILD) & ~WS_VISIBLE, place.left, place.top, place.width,
                            place.height, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (!handle_) return nullptr;
  // A window of a kind's own class knows its control from its creation already.
  if (FromHandle(handle_) != this)
    subclassed_ = SetWindowSubclass(handle_, &Control::SubclassProc, kSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return handle_;
}

RECT Control::RectInParent() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::optional<RECT> Control::Bounds() const {
  if (!handle_) return std::nullopt;
  return RectInParent();
}

void Control::MoveTo(const RECT& before, int left, int width) {
  // The control is redrawn by Moved(), which knows what a move leaves behind.
  SetWindowPos(handle_, nullptr, left, before.top, width, before.bottom - before.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
  Moved(before);
}

void Control::Moved(const RECT& before) {
  RedrawWindow(GetParent(handle_), &before, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  InvalidateRect(handle_, nullptr, TRUE);
}

}  // namespace toolkit
