#pragma once
// Makes the control of a template's kind; the one place that knows every kind.
#include <windows.h>

#include <memory>

#include "toolkit/core/template.h"
#include "toolkit/win32/controls/control.h"

namespace toolkit {

// The control for `tmpl`, belonging to `window`; not yet created.
std::unique_ptr<Control> MakeControl(HWND window, const ControlTemplate& tmpl);

}  // namespace toolkit
