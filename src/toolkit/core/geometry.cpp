#include "toolkit/core/geometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

int ClampLeft(std::int64_t left) {
  return static_cast<int>(std::clamp<std::int64_t>(left, -kMaxCoordinate, kMaxCoordinate));
}

int ClampWidth(std::int64_t width) {
  return static_cast<int>(std::clamp<std::int64_t>(width, 0, kMaxCoordinate));
}

int MulDiv64(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
    return -1;
  return static_cast<int>(result);
}

int FontHeightForPoints(int points, int dotsPerInch) {
  // |INT_MIN| does not fit an int; such a size is as large as any.
  const int magnitude = points == std::numeric_limits<int>::min()
                            ? std::numeric_limits<int>::max()
                            : std::abs(points);
  return -MulDiv64(magnitude, dotsPerInch, 72);
}
