#include "toolkit/win32/controls/group_box.h"

#include "toolkit/win32/window.h"

namespace toolkit {
namespace {
constexpr wchar_t kOriginalProc[] = L"Quillaro.GroupBoxProc";

DWORD AlignStyle(Align align) {
  switch (align) {
    case Align::Centre: return BS_CENTER;
    case Align::Right: return BS_RIGHT;
    default: return BS_LEFT;
  }
}
}  // namespace

void GroupBox::Create(HWND parent) {
  if (!CreateChild(parent, L"BUTTON", BS_GROUPBOX | AlignStyle(settings_.captionAlign), 0,
                   settings_.caption))
    return;
  // The system's group box keeps its children's notifications; the window's
  // controls handle their own, so they are sent on to the window.
  const auto original = SetWindowLongPtrW(handle_, GWLP_WNDPROC,
                                          reinterpret_cast<LONG_PTR>(&GroupBox::ContainerProc));
  SetPropW(handle_, kOriginalProc, reinterpret_cast<HANDLE>(original));
}

LRESULT CALLBACK GroupBox::ContainerProc(HWND handle, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(handle, kOriginalProc));
  LRESULT result = 0;
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (lParam && ReflectToControl(message, wParam, lParam, result)) return result;
      break;
    case WM_ERASEBKGND:
      // The window clips its children, so nothing else paints the box's inside.
      if (Window* window = Window::Containing(handle))
        if (auto* box = dynamic_cast<GroupBox*>(window->ControlFromHandle(handle))) {
          RECT client{};
          GetClientRect(handle, &client);
          const auto dc = reinterpret_cast<HDC>(wParam);
          SetDCBrushColor(dc, ResolveColour(box->settings_.background));
          FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
          return 1;
        }
      break;
    case WM_NCDESTROY:
      RemovePropW(handle, kOriginalProc);
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      break;
    default:
      break;
  }
  return CallWindowProcW(original, handle, message, wParam, lParam);
}

HBRUSH GroupBox::OnColour(HDC dc) {
  return SetControlColours(dc, settings_.captionColour, settings_.background);
}

}  // namespace toolkit
