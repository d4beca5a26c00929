#include "text/danmaku_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "case_name.h"
#include "error_boxes.h"

namespace {

constexpr std::array<std::string_view, 10> kTenLines = {
    "前方高能", "进度条要搞事情", "你对力量一无所知", "特意上号给5角", "来早了，没有弹幕。。。",
    "放开那个人，让我来", "高能预警", "xx出来，我们谈谈人生", "放学别走我保证打不死你！",
    "说高能的出来"};

// The first `count` of the ten lines, CR LF between them and none after the last.
std::string FirstLines(std::size_t count, std::string_view separator = "\r\n") {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += separator;
    text += kTenLines[i];
  }
  return text;
}

class DanmakuLines : public testing::Test {
 protected:
  void SetUp() override { CreateEmptyLines(); }
  void TearDown() override { ReleaseLines(); }
};

TEST_F(DanmakuLines, CreateEmptyLinesGivesNoLine) {
  ASSERT_NE(danmakuLines, nullptr);
  EXPECT_EQ(LineCount(), 0);
}

TEST_F(DanmakuLines, LineAtReadsEachLineFromOne) {
  ReplaceLines(FirstLines(10));
  ASSERT_EQ(LineCount(), 10);
  for (int i = 1; i <= LineCount(); ++i) EXPECT_EQ(LineAt(i), kTenLines[i - 1]) << "line " << i;
}

TEST_F(DanmakuLines, SecondReplaceLeavesOnlyTheSecondList) {
  ReplaceLines(FirstLines(10));
  ReplaceLines("甲\r\n\r\n乙");
  ASSERT_EQ(LineCount(), 3);
  EXPECT_EQ(LineAt(1), "甲");
  EXPECT_EQ(LineAt(2), "");
  EXPECT_EQ(LineAt(3), "乙");
}

TEST_F(DanmakuLines, LinesOutliveTheTextTheyWereCutFrom) {
  {
    std::string content = FirstLines(2);
    ReplaceLines(content);
    content.assign(content.size(), 'x');
  }
  EXPECT_EQ(LineAt(1), kTenLines[0]);
  EXPECT_EQ(LineAt(2), kTenLines[1]);
}

TEST_F(DanmakuLines, ReleaseLinesLeavesNoList) {
  ReplaceLines(FirstLines(10));
  ReleaseLines();
  EXPECT_EQ(danmakuLines, nullptr);
  EXPECT_EQ(LineCount(), 0);
}

TEST_F(DanmakuLines, ReleaseLinesOnEmptyListLeavesNoList) {
  ReleaseLines();
  EXPECT_EQ(danmakuLines, nullptr);
}

struct CountCase {
  const char* name;
  std::string text;
  int count;
};

class TenLineRule : public DanmakuLines, public testing::WithParamInterface<CountCase> {};

TEST_P(TenLineRule, ReplaceLinesCountsAsTheStartButtonSees) {
  ReplaceLines(GetParam().text);
  EXPECT_EQ(LineCount(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    EditBoxContents, TenLineRule,
    testing::Values(CountCase{"TenLines", FirstLines(10), 10},
                    CountCase{"TenLinesAndFinalBreak", FirstLines(10) + "\r\n", 10},
                    CountCase{"TenLinesAndTwoFinalBreaks", FirstLines(10) + "\r\n\r\n", 11},
                    CountCase{"EmptyLineBetween", FirstLines(5) + "\r\n\r\n" + FirstLines(5), 11},
                    CountCase{"NineLines", FirstLines(9), 9},
                    CountCase{"EmptyBox", "", 0},
                    CountCase{"LoneLfBetweenLinesDoesNotCut", FirstLines(10, "\n"), 1}),
    CaseName{});

struct IndexCase {
  const char* name;
  int lines;
  int index;
};

class LineAtOutOfRangeDeathTest : public DanmakuLines,
                                  public testing::WithParamInterface<IndexCase> {};

TEST_P(LineAtOutOfRangeDeathTest, RaisesRuntimeErrorOne) {
  ReplaceLines(FirstLines(static_cast<std::size_t>(GetParam().lines)));
  EXPECT_EXIT(LineAt(GetParam().index), testing::ExitedWithCode(255),
              testing::HasSubstr(kIndexOutOfRangeBox));
}

INSTANTIATE_TEST_SUITE_P(Indices, LineAtOutOfRangeDeathTest,
                         testing::Values(IndexCase{"Zero", 3, 0},
                                         IndexCase{"OnePastCount", 3, 4},
                                         IndexCase{"Negative", 3, -1},
                                         IndexCase{"FirstOfEmptyList", 0, 1},
                                         IndexCase{"TenthOfNineLines", 9, 10}),
                         CaseName{});

}  // namespace
