#include "toolkit/push_button.h"

#include "toolkit/events.h"

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

void PushButton::Click() { SendMessageW(handle_, BM_CLICK, 0, 0); }

}  // namespace toolkit
