#include "toolkit/win32/controls/push_button.h"

#include "toolkit/win32/events.h"

namespace toolkit {
namespace {
DWORD AlignStyles(const PushButtonSettings& s) {
  DWORD style = 0;
  switch (s.align) {
    case Align::Left: style |= BS_LEFT; break;
    case Align::Right: style |= BS_RIGHT; break;
    default: style |= BS_CENTER; break;
  }
  switch (s.verticalAlign) {
    case VAlign::Top: style |= BS_TOP; break;
    case VAlign::Bottom: style |= BS_BOTTOM; break;
    default: style |= BS_VCENTER; break;
  }
  return style;
}
}  // namespace

void PushButton::Create(HWND parent) {
  const DWORD kind = settings_.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  CreateChild(parent, L"BUTTON", kind | BS_MULTILINE | AlignStyles(settings_), 0,
              settings_.caption);
}

void PushButton::OnCommand(int notification) {
  if (notification == BN_CLICKED) Raise(Template().events.clicked);
}

// Notified as the system's dialogs notify their default button: BM_CLICK
// would take the focus from the control that has it.
void PushButton::Click() {
  if (!IsWindowEnabled(handle_)) return;
  SendMessageW(GetParent(handle_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle_), BN_CLICKED),
               reinterpret_cast<LPARAM>(handle_));
}

}  // namespace toolkit
