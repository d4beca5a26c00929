#include "toolkit/core/key_codes.h"

namespace {
constexpr int kNumpad0 = 0x60, kNumpad9 = 0x69;
constexpr int kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr int kOemMinus = 0xBD, kOemPeriod = 0xBE, kOem2 = 0xBF;
}  // namespace

int EventKeyCode(int virtualKey) {
  if (virtualKey >= kNumpad0 && virtualKey <= kNumpad9) return '0' + (virtualKey - kNumpad0);
  if (virtualKey == kSubtract) return kOemMinus;
  if (virtualKey == kDecimal) return kOemPeriod;
  if (virtualKey == kDivide) return kOem2;
  return virtualKey;
}
