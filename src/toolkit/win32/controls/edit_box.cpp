#include "toolkit/win32/controls/edit_box.h"

#include "toolkit/win32/codepage.h"
#include "toolkit/win32/colours.h"

namespace toolkit {
namespace {

struct EditStyles {
  DWORD style;
  DWORD extended;
};

EditStyles BorderStyles(EditBorder border) {
  switch (border) {
    case EditBorder::Sunken: return {0, WS_EX_CLIENTEDGE};
    case EditBorder::Raised: return {WS_DLGFRAME, WS_EX_WINDOWEDGE};
    case EditBorder::ShallowSunken: return {0, WS_EX_STATICEDGE};
    case EditBorder::SunkenRaised: return {WS_DLGFRAME, WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE};
    case EditBorder::Single: return {WS_BORDER, 0};
    default: return {0, 0};
  }
}

DWORD InputStyles(const EditBoxSettings& s) {
  DWORD style = 0;
  if (s.multiLine) {
    // Without a horizontal scroll bar long lines wrap at the right edge.
    style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (s.scrollBars == ScrollBars::Horizontal || s.scrollBars == ScrollBars::Both)
      style |= ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (s.scrollBars == ScrollBars::Horizontal || s.scrollBars == ScrollBars::Both) style |= WS_HSCROLL;
  if (s.scrollBars == ScrollBars::Vertical || s.scrollBars == ScrollBars::Both) style |= WS_VSCROLL;
  if (!s.hideSelection) style |= ES_NOHIDESEL;
  if (s.align == Align::Centre) style |= ES_CENTER;
  if (s.align == Align::Right) style |= ES_RIGHT;
  if (s.inputMode == InputMode::ReadOnly) style |= ES_READONLY;
  if (s.inputMode == InputMode::Password) style |= ES_PASSWORD;
  if (s.caseConversion == CaseConversion::Lower) style |= ES_LOWERCASE;
  if (s.caseConversion == CaseConversion::Upper) style |= ES_UPPERCASE;
  return style;
}

}  // namespace

void EditBox::Create(HWND parent) {
  const EditStyles border = BorderStyles(settings_.border);
  if (!CreateChild(parent, L"EDIT", border.style | InputStyles(settings_), border.extended, ""))
    return;
  // 0 lifts the default limit of 30,000 characters to the system's own.
  SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(settings_.maxLength), 0);
  if (settings_.inputMode == InputMode::Password)
    SendMessageW(handle_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(settings_.passwordMask), 0);
  SetWindowTextW(handle_, Widen(settings_.content).c_str());
  SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(settings_.selectionStart),
               static_cast<LPARAM>(settings_.selectionStart + settings_.selectionLength));
  SendMessageW(handle_, EM_SCROLLCARET, 0, 0);
}

HBRUSH EditBox::OnColour(HDC dc) {
  return SetControlColours(dc, settings_.textColour, settings_.background);
}

bool EditBox::KeepsKey(WPARAM key) const {
  return key == VK_RETURN && settings_.multiLine && settings_.inputMode != InputMode::ReadOnly;
}

bool EditBox::SetText(PropertyId id, std::string_view value) {
  if (id != PropertyId::Content) return false;
  SetWindowTextW(handle_, Widen(value).c_str());
  return true;
}

std::optional<std::string> EditBox::GetText(PropertyId id) const {
  if (id != PropertyId::Content) return std::nullopt;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

}  // namespace toolkit
