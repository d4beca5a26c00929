#include "toolkit/core/tab_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "case_name.h"

namespace {

constexpr TabEntry Stop(int tabOrder) { return {tabOrder, true}; }
constexpr TabEntry Skipped(int tabOrder) { return {tabOrder, false}; }

struct OrderCase {
  const char* name;
  std::vector<TabEntry> entries;
  std::vector<int> sequence;
};

class TabOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(TabOrder, SequenceAscendsByNumberAndReversesListOrderAmongEquals) {
  EXPECT_EQ(TabSequence(GetParam().entries), GetParam().sequence);
}

TEST_P(TabOrder, InitialFocusIsFirstOfTheSequence) {
  const std::vector<int>& sequence = GetParam().sequence;
  EXPECT_EQ(InitialFocus(GetParam().entries), sequence.empty() ? -1 : sequence.front());
}

TEST_P(TabOrder, TabAndShiftTabWalkTheSequenceAndWrap) {
  const std::vector<TabEntry>& entries = GetParam().entries;
  const std::vector<int>& sequence = GetParam().sequence;
  const int count = static_cast<int>(sequence.size());
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(StepTabOrder(entries, sequence[i], +1), sequence[(i + 1) % count]);
    EXPECT_EQ(StepTabOrder(entries, sequence[i], -1), sequence[(i + count - 1) % count]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TabOrder,
    testing::Values(
        OrderCase{"EqualNumbers", {Stop(0), Stop(0), Stop(0)}, {2, 1, 0}},
        OrderCase{"MixedNumbers", {Stop(2), Stop(0), Stop(1), Stop(0)}, {3, 1, 2, 0}},
        OrderCase{"IneligibleSkipped", {Stop(0), Skipped(0), Stop(1), Skipped(-1)}, {0, 2}},
        OrderCase{"OneEligible", {Skipped(0), Stop(5)}, {1}},
        OrderCase{"NoneEligible", {Skipped(0), Skipped(1)}, {}},
        OrderCase{"NoEntries", {}, {}}),
    CaseName{});

TEST(TabOrder, NoEligibleEntryStepsNowhere) {
  const std::vector<TabEntry> entries = {Skipped(0), Skipped(0)};
  EXPECT_EQ(StepTabOrder(entries, 0, +1), -1);
  EXPECT_EQ(StepTabOrder(entries, -1, -1), -1);
}

TEST(TabOrder, FromOutsideTheSequenceTabGoesToFirstAndShiftTabToLast) {
  const std::vector<TabEntry> entries = {Skipped(0), Stop(1), Stop(0)};
  EXPECT_EQ(StepTabOrder(entries, 0, +1), 2);
  EXPECT_EQ(StepTabOrder(entries, -1, -1), 1);
}

// MainWindow's template: 分组框1, 编辑框1, 按钮2, 按钮1, all with tab order 0.
enum MainWindowControl { kGroupBox1, kEditBox1, kButton2, kButton1 };
const std::vector<TabEntry> kMainWindow = {Skipped(0), Stop(0), Stop(0), Stop(0)};

TEST(TabOrder, MainWindowStartsOnStartButton) {
  EXPECT_EQ(InitialFocus(kMainWindow), kButton1);
}

TEST(TabOrder, MainWindowTabGoesStartEndEditBoxStart) {
  std::vector<int> visited = {InitialFocus(kMainWindow)};
  for (int i = 0; i < 3; ++i) visited.push_back(StepTabOrder(kMainWindow, visited.back(), +1));
  EXPECT_EQ(visited, (std::vector<int>{kButton1, kButton2, kEditBox1, kButton1}));
}

}  // namespace
