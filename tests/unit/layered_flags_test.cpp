#include "toolkit/core/layered_flags.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "case_name.h"

namespace {

struct FlagsCase {
  const char* name;
  int alpha;
  std::uint32_t colourKey;
  std::uint32_t flags;
};

// 1 is LWA_COLORKEY, 2 is LWA_ALPHA.
class LayeredFlags : public testing::TestWithParam<FlagsCase> {};

TEST_P(LayeredFlags, FollowAlphaAndColourKey) {
  EXPECT_EQ(ChooseLayeredFlags(GetParam().alpha, GetParam().colourKey), GetParam().flags);
}

constexpr std::uint32_t kGrey = 0x808080;

INSTANTIATE_TEST_SUITE_P(
    Settings, LayeredFlags,
    testing::Values(FlagsCase{"NoKeyAlphaZeroIsAlpha", 0, 0, 2},
                    FlagsCase{"NoKeyAlpha255IsAlpha", 255, 0, 2},
                    FlagsCase{"KeyAlphaZeroIsKey", 0, kGrey, 1},
                    FlagsCase{"KeyAlpha256IsKeyByLowByte", 256, kGrey, 1},
                    FlagsCase{"KeyAlpha255IsBoth", 255, kGrey, 3},
                    FlagsCase{"KeyAlpha1IsBoth", 1, kGrey, 3}),
    CaseName{});

}  // namespace
