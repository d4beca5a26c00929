#include "toolkit/win32/controls/group_box.h"

#include "toolkit/win32/colours.h"

namespace toolkit {
namespace {
DWORD AlignStyle(Align align) {
  switch (align) {
    case Align::Centre: return BS_CENTER;
    case Align::Right: return BS_RIGHT;
    default: return BS_LEFT;
  }
}
}  // namespace

void GroupBox::Create(HWND parent) {
  CreateChild(parent, L"BUTTON", BS_GROUPBOX | AlignStyle(settings_.captionAlign), 0,
              settings_.caption);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The system's group box keeps its children's notifications; the window's
  // controls handle their own, so they are passed back to them.
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
  if (message == WM_ERASEBKGND) {
    // The window clips its children, so nothing else paints the box's inside.
    RECT client{};
    GetClientRect(handle_, &client);
    FillWithColour(reinterpret_cast<HDC>(wParam), client, settings_.background);
    return 1;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

HBRUSH GroupBox::OnColour(HDC dc) {
  return SetControlColours(dc, settings_.captionColour, settings_.background);
}

}  // namespace toolkit
