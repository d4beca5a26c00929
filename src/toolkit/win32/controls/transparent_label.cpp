#include "toolkit/win32/controls/transparent_label.h"

#include <cwchar>

#include "toolkit/core/geometry.h"
#include "toolkit/win32/codepage.h"
#include "toolkit/win32/colours.h"
#include "toolkit/win32/frame_batch.h"
#include "toolkit/win32/handles.h"

namespace toolkit {
namespace {

LOGFONTW FromSpec(const FontSpec& wanted) {
  LOGFONTW font{};
  font.lfHeight = wanted.height;
  font.lfWeight = wanted.weight;
  font.lfItalic = wanted.italic;
  font.lfUnderline = wanted.underline;
  font.lfStrikeOut = wanted.strikeOut;
  font.lfEscapement = wanted.escapement;
  font.lfOrientation = wanted.orientation;
  const std::wstring face = Widen(wanted.face ? wanted.face : "");
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

LOGFONTW DefaultGuiLogFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

// A label's font is always made with these, whatever its LOGFONT says.
Font CreateLabelFont(LOGFONTW font) {
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return Font(CreateFontIndirectW(&font));
}

int ScreenDpi() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

constexpr wchar_t kLabelClass[] = L"QuillaroTransparentLabel";

}  // namespace

TransparentLabel::TransparentLabel(HWND window, const ControlTemplate& tmpl,
                                   const TransparentLabelSettings& settings)
    : Control(window, tmpl),
      settings_(settings),
      caption_(settings.caption ? settings.caption : ""),
      wideCaption_(Widen(caption_)),
      colour_(ResolveColour(settings.textColour)),
      font_(FromSpec(settings.font)),
      ownFont_(settings.font.height != 0) {}

void TransparentLabel::Create(HWND parent) {
  // The class comes with the first label.
  [[maybe_unused]] static const bool registered =
      RegisterOwnClass(kLabelClass, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  CreateChild(parent, kLabelClass, 0, WS_EX_TRANSPARENT, caption_);
}

UINT TransparentLabel::DrawFlags() const {
  UINT flags = DT_NOCLIP;
  flags |= settings_.align == Align::Centre ? DT_CENTER
           : settings_.align == Align::Right ? DT_RIGHT
                                              : DT_LEFT;
  if (settings_.wordWrap) {
    flags |= DT_WORDBREAK;
  } else {
    flags |= DT_SINGLELINE;
    flags |= settings_.verticalAlign == VAlign::Top      ? DT_TOP
             : settings_.verticalAlign == VAlign::Bottom ? DT_BOTTOM
                                                         : DT_VCENTER;
  }
  return flags;
}

void TransparentLabel::Paint(HDC dc, const RECT& rect) const {
  if (wideCaption_.empty()) return;
  // Created and deleted at each paint, so a label holds no GDI object between paints.
  Font font = ownFont_ ? CreateLabelFont(font_) : Font();
  SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font.get())
                                   : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour_);
  RECT place = rect;  // DrawText may write to it
  DrawTextW(dc, wideCaption_.c_str(), static_cast<int>(wideCaption_.size()), &place, DrawFlags());
}

bool TransparentLabel::DrawnByWindow() const {
  return handle_ && GetParent(handle_) == WindowHandle();
}

void TransparentLabel::DrawOnWindow(HDC dc, const RECT& area) const {
  if (!DrawnByWindow() || !IsWindowVisible(handle_)) return;
  const RECT rect = RectInParent();
  RECT common{};
  if (!IntersectRect(&common, &rect, &area)) return;
  // A text wider than its label is cut at the label's edge, as in a paint of its own.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  Paint(dc, rect);
  RestoreDC(dc, saved);
}

void TransparentLabel::Redraw(const RECT& area) const {
  if (DrawnByWindow()) RequestFrame(GetParent(handle_), area);
  else RedrawOver(area);
}

void TransparentLabel::OnPaint() const {
  if (!DrawnByWindow()) {
    PaintScope paint(handle_);
    RECT client{};
    GetClientRect(handle_, &client);
    Paint(paint.dc(), client);
    return;
  }
  RECT area{};
  if (!GetUpdateRect(handle_, &area, FALSE)) return;
  ValidateRect(handle_, nullptr);
  MapWindowPoints(handle_, GetParent(handle_), reinterpret_cast<POINT*>(&area), 2);
  RequestFrame(GetParent(handle_), area);
}

void TransparentLabel::RedrawOver(const RECT& area) const {
  const HWND parent = GetParent(handle_);
  RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
  // Bottom of the stack first: the last sibling lies lowest.
  for (HWND sibling = GetWindow(handle_, GW_HWNDLAST); sibling;
       sibling = GetWindow(sibling, GW_HWNDPREV)) {
    const Control* control = FromHandle(sibling);
    if (!control || !control->SeeThrough() || !IsWindowVisible(sibling)) continue;
    RECT common{};
    const RECT rect = control->RectInParent();
    if (!IntersectRect(&common, &rect, &area)) continue;
    OffsetRect(&common, -rect.left, -rect.top);
    RedrawWindow(sibling, &common, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  InvalidateRect(handle_, nullptr, FALSE);
}

void TransparentLabel::Moved(const RECT& before) {
  const RECT after = RectInParent();
  RECT area{};
  UnionRect(&area, &before, &after);
  Redraw(area);
}

bool TransparentLabel::SetNumber(PropertyId id, std::int64_t value) {
  switch (id) {
    case PropertyId::FontSize:
      if (!ownFont_) font_ = DefaultGuiLogFont();
      ownFont_ = true;
      font_.lfHeight = FontHeightForPoints(static_cast<int>(value), ScreenDpi());
      Changed();
      return true;
    case PropertyId::TextColour:
      colour_ = ResolveColour(static_cast<Colour>(value));
      Changed();
      return true;
    default:
      return Control::SetNumber(id, value);
  }
}

std::optional<std::int64_t> TransparentLabel::GetNumber(PropertyId id) const {
  if (id == PropertyId::TextColour) return colour_;
  if (id == PropertyId::FontSize) {
    const int dpi = ScreenDpi();
    return dpi > 0 ? MulDiv64(font_.lfHeight < 0 ? -font_.lfHeight : font_.lfHeight, 72, dpi) : 0;
  }
  return Control::GetNumber(id);
}

bool TransparentLabel::SetText(PropertyId id, std::string_view value) {
  if (id != PropertyId::Caption) return false;
  caption_.assign(value);
  wideCaption_ = Widen(caption_);
  SetWindowTextW(handle_, wideCaption_.c_str());
  Changed();
  return true;
}

std::optional<std::string> TransparentLabel::GetText(PropertyId id) const {
  if (id != PropertyId::Caption) return std::nullopt;
  return caption_;
}

LRESULT TransparentLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // no background of its own
    case WM_PAINT:
      OnPaint();
      return 0;
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace toolkit
