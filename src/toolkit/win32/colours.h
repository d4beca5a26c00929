#pragma once
// The template model's colours as the system draws them.
#include <windows.h>

#include "toolkit/core/template.h"

namespace toolkit {

// The system colour behind kButtonFaceColour, or the colour itself.
COLORREF ResolveColour(Colour colour);

// The DC brush set to `colour`: a colour for this paint without creating a GDI object.
HBRUSH DcBrush(HDC dc, COLORREF colour);

// Fills `rect` of `dc` with `colour`.
void FillWithColour(HDC dc, const RECT& rect, Colour colour);

// Sets a control's text and background colours for a WM_CTLCOLOR* answer and
// returns the brush for its background.
HBRUSH SetControlColours(HDC dc, Colour text, Colour background);

}  // namespace toolkit
