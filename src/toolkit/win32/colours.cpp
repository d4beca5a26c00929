#include "toolkit/win32/colours.h"

namespace toolkit {

COLORREF ResolveColour(Colour colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HBRUSH DcBrush(HDC dc, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void FillWithColour(HDC dc, const RECT& rect, Colour colour) {
  FillRect(dc, &rect, DcBrush(dc, ResolveColour(colour)));
}

HBRUSH SetControlColours(HDC dc, Colour text, Colour background) {
  const COLORREF fill = ResolveColour(background);
  SetTextColor(dc, ResolveColour(text));
  SetBkColor(dc, fill);
  return DcBrush(dc, fill);
}

}  // namespace toolkit
