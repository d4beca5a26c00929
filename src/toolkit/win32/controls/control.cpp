#include "toolkit/win32/controls/control.h"

#include "toolkit/win32/codepage.h"
#include "toolkit/win32/controls/edit_box.h"
#include "toolkit/core/geometry.h"
#include "toolkit/win32/controls/group_box.h"
#include "toolkit/win32/controls/push_button.h"
#include "toolkit/win32/controls/timer.h"
#include "toolkit/win32/controls/transparent_label.h"
#include "toolkit/win32/window.h"

namespace toolkit {

HWND Control::CreateChild(HWND parent, const wchar_t* windowClass, DWORD style,
                          DWORD extendedStyle, std::string_view text) {
  const Place& place = tmpl_.place;
  if (!tmpl_.enabled) style |= WS_DISABLED;
  if (tmpl_.tabStop) style |= WS_TABSTOP;
  handle_ = CreateWindowExW(extendedStyle, windowClass, Widen(text).c_str(),
                            (style | WS_CHILD) & ~WS_VISIBLE, place.left, place.top, place.width,
                            place.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (handle_)
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

bool Control::SetNumber(PropertyId id, std::int64_t value) {
  if (!handle_ || (id != PropertyId::Left && id != PropertyId::Width)) return false;
  const RECT before = RectInParent();
  int left = before.left;
  int width = before.right - before.left;
  if (id == PropertyId::Left) left = ClampLeft(value);
  else width = ClampWidth(value);
  // The control is redrawn by Moved(), which knows what a move leaves behind.
  SetWindowPos(handle_, nullptr, left, before.top, width, before.bottom - before.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
  Moved(before);
  return true;
}

std::optional<std::int64_t> Control::GetNumber(PropertyId id) const {
  if (!handle_) return std::nullopt;
  const RECT rect = RectInParent();
  if (id == PropertyId::Left) return rect.left;
  if (id == PropertyId::Width) return rect.right - rect.left;
  return std::nullopt;
}

void Control::Moved(const RECT& before) {
  RedrawWindow(GetParent(handle_), &before, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  InvalidateRect(handle_, nullptr, TRUE);
}

std::unique_ptr<Control> MakeControl(Window& window, const ControlTemplate& tmpl) {
  struct Maker {
    Window& window;
    const ControlTemplate& tmpl;
    std::unique_ptr<Control> operator()(const GroupBoxSettings& s) const {
      return std::make_unique<GroupBox>(window, tmpl, s);
    }
    std::unique_ptr<Control> operator()(const EditBoxSettings& s) const {
      return std::make_unique<EditBox>(window, tmpl, s);
    }
    std::unique_ptr<Control> operator()(const PushButtonSettings& s) const {
      return std::make_unique<PushButton>(window, tmpl, s);
    }
    std::unique_ptr<Control> operator()(const TransparentLabelSettings& s) const {
      return std::make_unique<TransparentLabel>(window, tmpl, s);
    }
    std::unique_ptr<Control> operator()(const TimerSettings& s) const {
      return std::make_unique<Timer>(window, tmpl, s);
    }
  };
  return std::visit(Maker{window, tmpl}, tmpl.settings);
}

COLORREF ResolveColour(Colour colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HBRUSH SetControlColours(HDC dc, Colour text, Colour background) {
  const COLORREF fill = ResolveColour(background);
  SetTextColor(dc, ResolveColour(text));
  SetBkColor(dc, fill);
  SetDCBrushColor(dc, fill);
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

}  // namespace toolkit
