#include "toolkit/core/geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "case_name.h"

namespace {

constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

struct ClampCase {
  const char* name;
  std::int64_t value;
  int left;
  int width;
};

class Clamping : public testing::TestWithParam<ClampCase> {};

TEST_P(Clamping, LeftStaysWithinPlusMinus32627) {
  EXPECT_EQ(ClampLeft(GetParam().value), GetParam().left);
}

TEST_P(Clamping, WidthStaysWithinZeroAnd32627) {
  EXPECT_EQ(ClampWidth(GetParam().value), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Values, Clamping,
                         testing::Values(ClampCase{"Int64Min", kInt64Min, -32627, 0},
                                         ClampCase{"BelowLowest", -32628, -32627, 0},
                                         ClampCase{"Lowest", -32627, -32627, 0},
                                         ClampCase{"MinusOne", -1, -1, 0},
                                         ClampCase{"Zero", 0, 0, 0},
                                         ClampCase{"Inside", 1280, 1280, 1280},
                                         ClampCase{"Highest", 32627, 32627, 32627},
                                         ClampCase{"AboveHighest", 32628, 32627, 32627},
                                         ClampCase{"Int64Max", kInt64Max, 32627, 32627}),
                         CaseName{});

struct FontCase {
  const char* name;
  int points;
  int dotsPerInch;
  int height;
};

class FontHeight : public testing::TestWithParam<FontCase> {};

TEST_P(FontHeight, IsMinusPointsTimesDpiOver72Rounded) {
  EXPECT_EQ(FontHeightForPoints(GetParam().points, GetParam().dotsPerInch), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontHeight,
                         testing::Values(FontCase{"Pt15At96", 15, 96, -20},
                                         FontCase{"Pt16At96", 16, 96, -21},
                                         FontCase{"Pt19At96", 19, 96, -25},
                                         FontCase{"Pt20At96", 20, 96, -27},
                                         FontCase{"NegativePt20At96", -20, 96, -27},
                                         FontCase{"Pt0At96", 0, 96, 0},
                                         FontCase{"Pt10At120", 10, 120, -17},
                                         FontCase{"Pt15At120", 15, 120, -25}),
                         CaseName{});

struct MulDivCase {
  const char* name;
  int a, b, c;
  int result;
};

class MulDiv : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDiv, RoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv64(GetParam().a, GetParam().b, GetParam().c), GetParam().result);
}

constexpr int kIntMax = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(Operands, MulDiv,
                         testing::Values(MulDivCase{"Exact", 6, 4, 3, 8},
                                         MulDivCase{"ThirdRoundsDown", 7, 1, 3, 2},
                                         MulDivCase{"TwoThirdsRoundUp", 8, 1, 3, 3},
                                         MulDivCase{"HalfRoundsUp", 5, 1, 2, 3},
                                         MulDivCase{"NegativeHalfRoundsDown", -5, 1, 2, -3},
                                         MulDivCase{"NegativeMultiplier", 5, -1, 2, -3},
                                         MulDivCase{"NegativeDivisor", 5, 1, -2, -3},
                                         MulDivCase{"TwoNegatives", -5, 1, -2, 3},
                                         MulDivCase{"ProductBeyondInt", kIntMax, 4, 4, kIntMax},
                                         MulDivCase{"ResultBeyondInt", kIntMax, 2, 1, -1},
                                         MulDivCase{"DivisorZero", 1, 1, 0, -1}),
                         CaseName{});

}  // namespace
