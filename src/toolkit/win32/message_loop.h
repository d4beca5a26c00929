#pragma once
// Dispatching with the toolkit's input rules, for the loop and for callers
// that pump messages themselves (tests, benchmarks).
#include <windows.h>

namespace toolkit {

void DispatchWithRules(MSG& message);

// Handles every message already waiting; returns false once WM_QUIT was taken.
bool PumpPendingMessages();

}  // namespace toolkit
