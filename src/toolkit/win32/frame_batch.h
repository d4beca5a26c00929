#pragma once
// One frame per handler: while a handler of the program runs, the changes it
// makes to a window's labels only mark what needs drawing; when the handler
// returns, each marked window paints once. Under Wine every paint of a
// colour-keyed window costs a rebuild of its shape, so ten label moves drawn
// one by one would cost ten frames where the user sees one.
#include <windows.h>

namespace toolkit {

// Marks `area` (client coordinates) of `window` for its next paint. Inside a
// handler the paint waits for the handler to return; outside it comes at once.
void RequestFrame(HWND window, const RECT& area);

// Held while a handler runs; the outermost one paints the marked windows.
class HandlerScope {
 public:
  HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
  ~HandlerScope();
};

// Held around a modal loop (a message box, a dialog window) that runs inside
// a handler: the handlers that this loop calls are outermost in their turn,
// so the windows go on painting whole frames while the loop runs.
class NestedLoopScope {
 public:
  NestedLoopScope();
  NestedLoopScope(const NestedLoopScope&) = delete;
  NestedLoopScope& operator=(const NestedLoopScope&) = delete;
  ~NestedLoopScope();

 private:
  int outerDepth_;
};

}  // namespace toolkit
