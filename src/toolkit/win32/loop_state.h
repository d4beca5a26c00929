#pragma once
// The message loop's own state, which the window core reads: whether the
// loop runs, and the code of the quit request that ended it.
namespace toolkit {

// Only a running loop gets the quit request when the last window goes.
void SetLoopRunning(bool running);
bool LoopRunning();

void SetQuitCode(int code);
int QuitCode();

}  // namespace toolkit
