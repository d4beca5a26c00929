#pragma once
// The window styles that a template's settings give.
#include <windows.h>

#include "toolkit/core/template.h"

namespace toolkit {

struct WindowStyles {
  DWORD style;
  DWORD extendedStyle;
};

WindowStyles StylesFor(const WindowSettings& settings);

}  // namespace toolkit
