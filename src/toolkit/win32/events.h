#pragma once
// When the program's handlers may run: never while a window's controls are
// being built, and never once the program has begun to end.
#include "toolkit/win32/frame_batch.h"

namespace toolkit {

bool EventsAllowed();

// Set by EndProgram and by a run-time error; never cleared.
void SetEndingMark();
bool EndingMarkSet();

// Holds events back while a window is being built.
class BuildScope {
 public:
  BuildScope();
  BuildScope(const BuildScope&) = delete;
  BuildScope& operator=(const BuildScope&) = delete;
  ~BuildScope();
};

template <class Handler, class... Args>
void Raise(Handler handler, Args... args) {
  if (!handler || !EventsAllowed()) return;
  HandlerScope running;
  handler(args...);
}

}  // namespace toolkit
