#include "toolkit/win32/loop_state.h"

namespace toolkit {
namespace {
bool loopRunning = false;
int quitCode = 0;
}  // namespace

void SetLoopRunning(bool running) { loopRunning = running; }
bool LoopRunning() { return loopRunning; }
void SetQuitCode(int code) { quitCode = code; }
int QuitCode() { return quitCode; }

}  // namespace toolkit
