#include "ui/scrolling.h"

#include <array>

#include "toolkit/toolkit.h"
#include "ui/overlay_window.h"

namespace {

struct LabelSpeed {
  const char* name;
  int speed;  // pixels per tick
};

constexpr std::array<LabelSpeed, 10> kSpeeds{{
    {"透明标签1", 6}, {"透明标签2", 5}, {"透明标签3", 7}, {"透明标签4", 5}, {"透明标签5", 6},
    {"透明标签6", 5}, {"透明标签7", 7}, {"透明标签8", 5}, {"透明标签9", 6}, {"透明标签10", 5},
}};

}  // namespace

void OnScrollTimer() {
  for (const LabelSpeed& label : kSpeeds) ScrollLabel(label.name, label.speed);
}

void ScrollLabel(std::string_view label, int speed) {
  const int left = GetProperty(OverlayWindow, label, Left);
  SetProperty(OverlayWindow, label, Left, left - speed);
  // A label wraps as soon as its left edge passes the window's left edge.
  if (GetProperty(OverlayWindow, label, Left) < 0)
    SetProperty(OverlayWindow, label, Left, screenWidth);
}
