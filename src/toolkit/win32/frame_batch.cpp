#include "toolkit/win32/frame_batch.h"

#include <algorithm>
#include <vector>

namespace toolkit {
namespace {

int handlerDepth = 0;

std::vector<HWND>& MarkedWindows() {
  static std::vector<HWND> windows;
  return windows;
}

void PaintMarkedWindows() {
  // A paint may itself run code that marks again; take the list first.
  std::vector<HWND> windows;
  windows.swap(MarkedWindows());
  for (HWND window : windows)
    if (IsWindow(window)) UpdateWindow(window);
}

}  // namespace

void RequestFrame(HWND window, const RECT& area) {
  // Without the children: a label's own paint hands its area back to its
  // window, which would otherwise be asked again without end.
  RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
  if (handlerDepth == 0) {
    UpdateWindow(window);
    return;
  }
  auto& marked = MarkedWindows();
  if (std::find(marked.begin(), marked.end(), window) == marked.end()) marked.push_back(window);
}

HandlerScope::HandlerScope() { ++handlerDepth; }

HandlerScope::~HandlerScope() {
  if (--handlerDepth == 0) PaintMarkedWindows();
}

NestedLoopScope::NestedLoopScope() : outerDepth_(handlerDepth) {
  // The loop starts from a drawn screen.
  PaintMarkedWindows();
  handlerDepth = 0;
}

NestedLoopScope::~NestedLoopScope() { handlerDepth = outerDepth_; }

}  // namespace toolkit
