#include "toolkit/message_loop.h"

#include "toolkit/events.h"
#include "toolkit/input.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace toolkit {

void DispatchWithRules(MSG& message) {
  if (PreTranslateInput(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool PumpPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      SetQuitCode(static_cast<int>(message.wParam));
      return false;
    }
    DispatchWithRules(message);
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
