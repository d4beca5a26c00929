#include "toolkit/core/layered_flags.h"

std::uint32_t ChooseLayeredFlags(int alpha, std::uint32_t colourKey) {
  if (colourKey == 0) return kLayeredAlpha;
  if ((alpha & 0xFF) == 0) return kLayeredColourKey;
  return kLayeredColourKey | kLayeredAlpha;
}
