#include "toolkit/core/text_split.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "case_name.h"

namespace {

struct SplitCase {
  const char* name;
  std::string text;
  TextArray pieces;
};

class SplitAtCrLf : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitAtCrLf, GivesTheElementsOfTheCuttingRule) {
  EXPECT_EQ(SplitText(GetParam().text, "\r\n"), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, SplitAtCrLf,
    testing::Values(SplitCase{"EmptyTextGivesNoElement", "", {}},
                    SplitCase{"TextWithoutBreakIsOneElement", "A", {"A"}},
                    SplitCase{"BreakSeparatesTwoElements", "A\r\nB", {"A", "B"}},
                    SplitCase{"FinalBreakAddsNoElement", "A\r\nB\r\n", {"A", "B"}},
                    SplitCase{"SecondFinalBreakAddsEmptyElement", "A\r\nB\r\n\r\n", {"A", "B", ""}},
                    SplitCase{"DoubleBreakGivesEmptyElementBetween", "A\r\n\r\nB", {"A", "", "B"}},
                    SplitCase{"LeadingBreakGivesEmptyFirstElement", "\r\nA", {"", "A"}},
                    SplitCase{"BreakAloneIsOneEmptyElement", "\r\n", {""}},
                    SplitCase{"TwoBreaksAreTwoEmptyElements", "\r\n\r\n", {"", ""}},
                    SplitCase{"LoneCrAndLoneLfStayInside", "A\rB\nC", {"A\rB\nC"}},
                    SplitCase{"TrailingLoneCrStaysInLastElement", "A\r\nB\r", {"A", "B\r"}},
                    SplitCase{"LfCrIsNoBreak", "A\n\rB", {"A\n\rB"}},
                    SplitCase{"SpacesAndTabsAreKept", " A\t\r\n \r\n", {" A\t", " "}}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(
    TwoByteCharacters, SplitAtCrLf,
    testing::Values(
        SplitCase{"ChineseLinesAreCutBetweenCharacters", "高能\r\n预警", {"高能", "预警"}},
        SplitCase{"TrailByteInAsciiRangeIsPartOfCharacter", "蓋\r\nw", {"蓋", "w"}},
        SplitCase{"LeadByte80TakesCrSoCrLfIsNoBreak", "A\x80\r\nB", {"A\x80\r\nB"}},
        SplitCase{"LeadByteTakesCrThenNextCrLfBreaks", "\xB0\r\r\nB", {"\xB0\r", "B"}},
        SplitCase{"LeadByteAsLastByteStaysInElement", "A\r\n\xB0", {"A", "\xB0"}},
        SplitCase{"LeadByteAloneIsOneElement", "\xB0", {"\xB0"}},
        SplitCase{"PairsAreCountedFromThePieceStart", "\xB0\xB0\r\nX", {"\xB0\xB0", "X"}},
        SplitCase{"OddLeadByteRunSwallowsTheCr", "\xB0\xB0\xB0\r\nX", {"\xB0\xB0\xB0\r\nX"}}),
    CaseName{});

// The cutting rule written as plainly as possible, to compare against.
TextArray ReferenceSplitAtCrLf(const std::string& text) {
  TextArray pieces;
  std::string current;
  std::size_t i = 0;
  while (i + 1 < text.size()) {
    if (text[i] == '\r' && text[i + 1] == '\n') {
      pieces.push_back(current);
      current.clear();
      i += 2;
    } else {
      const std::size_t width = static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
      current += text.substr(i, width);
      i += width;
    }
  }
  current += text.substr(i);
  if (!current.empty()) pieces.push_back(current);
  return pieces;
}

// Few distinct bytes, so that CR LF, lone CR/LF and lead bytes meet often.
std::string RandomText(std::mt19937& random, std::size_t length) {
  static constexpr char kBytes[] = {'\r', '\n', '\r', '\n', 'A', ' ', '\x80', '\xB0', '\xFE', '\x7F'};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kBytes - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += kBytes[pick(random)];
  return text;
}

TEST(SplitText, AgreesWithPlainModelOnRandomTexts) {
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::size_t> length(0, 64);
  for (int round = 0; round < 2000; ++round) {
    const std::string text = RandomText(random, length(random));
    ASSERT_EQ(SplitText(text, "\r\n"), ReferenceSplitAtCrLf(text)) << testing::PrintToString(text);
  }
}

TEST(SplitText, AgreesWithPlainModelOnLongRandomText) {
  std::mt19937 random(7);
  const std::string text = RandomText(random, 1 << 20);
  EXPECT_EQ(SplitText(text, "\r\n"), ReferenceSplitAtCrLf(text));
}

struct LimitCase {
  const char* name;
  std::size_t maxPieces;
  TextArray pieces;
};

class SplitWithLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(SplitWithLimit, KeepsAtMostThatManyLeadingPieces) {
  EXPECT_EQ(SplitText("A\r\nB\r\nC", "\r\n", GetParam().maxPieces), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(MaxPieces, SplitWithLimit,
                         testing::Values(LimitCase{"Zero", 0, {}},
                                         LimitCase{"One", 1, {"A"}},
                                         LimitCase{"Two", 2, {"A", "B"}},
                                         LimitCase{"Exact", 3, {"A", "B", "C"}},
                                         LimitCase{"AboveCount", 9, {"A", "B", "C"}}),
                         CaseName{});

TEST(SplitText, OneByteDelimiterCutsAtEachOccurrence) {
  EXPECT_EQ(SplitText("a,b,,c,", ","), (TextArray{"a", "b", "", "c"}));
}

TEST(SplitText, OneByteDelimiterIsNotSeenInsideTwoByteCharacter) {
  EXPECT_EQ(SplitText("\xB0,x,y", ","), (TextArray{"\xB0,x", "y"}));
}

}  // namespace
