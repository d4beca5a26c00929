#include "toolkit/core/key_codes.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace {

TEST(EventKeyCode, KeypadDigitsBecomeDigitCharacters) {
  for (int digit = 0; digit <= 9; ++digit) EXPECT_EQ(EventKeyCode(0x60 + digit), '0' + digit);
}

struct KeyCase {
  const char* name;
  int virtualKey;
  int keyCode;
};

class KeyCodes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, EventCarriesTheMappedCode) {
  EXPECT_EQ(EventKeyCode(GetParam().virtualKey), GetParam().keyCode);
}

INSTANTIATE_TEST_SUITE_P(VirtualKeys, KeyCodes,
                         testing::Values(KeyCase{"SubtractIsOemMinus", 0x6D, 0xBD},
                                         KeyCase{"DecimalIsOemPeriod", 0x6E, 0xBE},
                                         KeyCase{"DivideIsOem2", 0x6F, 0xBF},
                                         KeyCase{"EscapeUnchanged", 27, 27},
                                         KeyCase{"LetterUnchanged", 'A', 'A'},
                                         KeyCase{"DigitUnchanged", '5', '5'},
                                         KeyCase{"MultiplyUnchanged", 0x6A, 0x6A},
                                         KeyCase{"AddUnchanged", 0x6B, 0x6B},
                                         KeyCase{"F1Unchanged", 0x70, 0x70}),
                         CaseName{});

}  // namespace
