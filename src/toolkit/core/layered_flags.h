#pragma once
// The flags for SetLayeredWindowAttributes, chosen from alpha and colour key.
#include <cstdint>

inline constexpr std::uint32_t kLayeredColourKey = 1;  // LWA_COLORKEY
inline constexpr std::uint32_t kLayeredAlpha = 2;      // LWA_ALPHA

// Alpha alone when there is no colour key (0); otherwise the colour key alone
// when the low byte of alpha is 0; otherwise both.
std::uint32_t ChooseLayeredFlags(int alpha, std::uint32_t colourKey);
