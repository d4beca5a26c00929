#pragma once
// The window's keyboard and mouse settings, applied to input before it is
// dispatched: Esc closes, Tab, Enter, drag anywhere, then the key-down and
// left-button-down events.
#include <windows.h>

namespace toolkit {

// True when the message was consumed and must not be dispatched.
bool PreTranslateInput(const MSG& message);

// The shift state as held now, in the bits that template.h names.
int CurrentShiftState();

}  // namespace toolkit
