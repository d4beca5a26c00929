#pragma once
// Limits and conversions applied to positions, sizes and font heights.
#include <cstdint>

inline constexpr int kMaxCoordinate = 32627;

// A left edge is kept within -32627 ... 32627.
int ClampLeft(std::int64_t left);

// A width is kept within 0 ... 32627.
int ClampWidth(std::int64_t width);

// The LOGFONT height for a size in points: -MulDiv(|points|, dpi, 72), with
// MulDiv's rounding to the nearest integer.
int FontHeightForPoints(int points, int dotsPerInch);

// MulDiv as the system defines it: a * b / c in 64 bits, rounded half away
// from zero; -1 when c is 0 or the result does not fit.
int MulDiv64(int a, int b, int c);
