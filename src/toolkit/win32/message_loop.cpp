#include "toolkit/win32/message_loop.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/win32/input.h"
#include "toolkit/win32/loop_state.h"
#include "toolkit/win32/window.h"

namespace toolkit {

void DispatchWithRules(MSG& message) {
  if (PreTranslateInput(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool PumpPendingMessages() {
  MSG message;
  std::vector<std::pair<HWND, WPARAM>> ticked;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      SetQuitCode(static_cast<int>(message.wParam));
      return false;
    }
    DispatchWithRules(message);
    if (message.message != WM_TIMER) continue;
    // A timer whose handler outlasts its period is due again as soon as it
    // returns, so the queue would never run dry: a timer's second tick ends the pump.
    const std::pair<HWND, WPARAM> timer{message.hwnd, message.wParam};
    if (std::find(ticked.begin(), ticked.end(), timer) != ticked.end()) return true;
    ticked.push_back(timer);
  }
  return true;
}

}  // namespace toolkit

void RunMessageLoop() {
  if (!toolkit::Window::AnyLeft()) return;
  toolkit::SetLoopRunning(true);
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) toolkit::SetQuitCode(static_cast<int>(message.wParam));
      break;
    }
    toolkit::DispatchWithRules(message);
  }
  toolkit::SetLoopRunning(false);
}
