#include "toolkit/win32/frame_batch.h"

#include <algorithm>
#include <vector>

#include "toolkit/win32/handles.h"

namespace toolkit {
namespace {

int handlerDepth = 0;

// A window waiting for its frame and the areas marked on it. The areas stay
// in the program until the frame: marking them one by one with the system
// would cost a call to it for every label that moves.
struct MarkedWindow {
  HWND window;
  std::vector<RECT> areas;
};

std::vector<MarkedWindow>& MarkedWindows() {
  static std::vector<MarkedWindow> windows;
  return windows;
}

void Invalidate(HWND window, const RECT& area) {
  // Without the children: a label's own paint hands its area back to its
  // window, which would otherwise be asked again without end.
  RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void Invalidate(const MarkedWindow& marked) {
  if (marked.areas.size() == 1) return Invalidate(marked.window, marked.areas.front());
  Region region(CreateRectRgn(0, 0, 0, 0));
  for (const RECT& area : marked.areas) {
    Region part(CreateRectRgnIndirect(&area));
    CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
  }
  RedrawWindow(marked.window, nullptr, region.get(), RDW_INVALIDATE | RDW_NOCHILDREN);
}

void PaintMarkedWindows() {
  // A paint may itself run code that marks again; take the list first.
  std::vector<MarkedWindow> windows;
  windows.swap(MarkedWindows());
  for (const MarkedWindow& marked : windows) {
    if (!IsWindow(marked.window)) continue;
    Invalidate(marked);
    UpdateWindow(marked.window);
  }
}

}  // namespace

void RequestFrame(HWND window, const RECT& area) {
  if (IsRectEmpty(&area)) return;
  if (handlerDepth == 0) {
    Invalidate(window, area);
    UpdateWindow(window);
    return;
  }
  auto& marked = MarkedWindows();
  auto found = std::find_if(marked.begin(), marked.end(),
                            [window](const MarkedWindow& m) { return m.window == window; });
  if (found == marked.end()) found = marked.insert(marked.end(), MarkedWindow{window, {}});
  found->areas.push_back(area);
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
