#pragma once
// The overlay's ten labels as the benchmarks know them: where each starts, how
// fast it scrolls and in which colour, and the band they scroll in. Shared by
// the in-process benchmark, the reference overlay and the grab analysis, so
// that all three measure against the same table.
#include <array>

namespace bench {

struct OverlayLabel {
  const char* name;  // in code page 936
  int left, top, width;  // in the overlay's client area
  int speed;  // pixels per tick
  unsigned char red, green, blue;
  int points;  // font size
};

inline constexpr int kBandTop = 50;
inline constexpr int kBandHeight = 348;
inline constexpr int kLabelHeight = 48;
inline constexpr int kTickMs = 30;
inline constexpr unsigned char kKeyGrey = 128;  // the colour key: red, green and blue alike

// Label 1 lies at the bottom of the stack, label 10 on top.
inline constexpr std::array<OverlayLabel, 10> kOverlayLabels{{
    {"透明标签1", 112, 8, 360, 6, 255, 0, 0, 16},
    {"透明标签2", 56, 80, 360, 5, 255, 255, 0, 19},
    {"透明标签3", 112, 128, 360, 7, 255, 168, 255, 20},
    {"透明标签4", 456, 16, 312, 5, 0, 224, 128, 15},
    {"透明标签5", 312, 80, 360, 6, 88, 48, 224, 16},
    {"透明标签6", 176, 176, 360, 5, 255, 0, 255, 19},
    {"透明标签7", 456, 152, 360, 7, 0, 0, 255, 20},
    {"透明标签8", 48, 224, 360, 5, 0, 0, 0, 15},
    {"透明标签9", 504, 216, 360, 6, 0, 255, 255, 16},
    {"透明标签10", 536, 104, 360, 5, 0, 128, 128, 19},
}};

inline constexpr std::array<int, 3> kSpeedClasses{5, 6, 7};

// Pixels per second at `speed` pixels a tick when every tick is handled.
inline constexpr double NominalPixelsPerSecond(int speed) { return speed * 1000.0 / kTickMs; }

}  // namespace bench
