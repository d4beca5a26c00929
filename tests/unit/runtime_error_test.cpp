#include "toolkit/core/runtime_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "case_name.h"
#include "error_boxes.h"
#include "toolkit/core/exit_routines.h"

namespace {

struct BoxCase {
  const char* name;
  int code;
  const char* message;
  const char* box;
};

class ErrorBoxText : public testing::TestWithParam<BoxCase> {};

TEST_P(ErrorBoxText, HasHeadingThenCodeLineThenMessageLine) {
  EXPECT_EQ(ComposeErrorBoxText(GetParam().code, GetParam().message), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ErrorBoxText,
    testing::Values(
        BoxCase{"CodeAndMessage", 1, "数组成员引用下标超出定义范围", kIndexOutOfRangeBox},
        BoxCase{"CodeZeroShowsNoCodeLine", 0, "载入启动窗口失败",
                "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        BoxCase{"EmptyMessageShowsNoMessageLine", 42, "", "运行时出错!\r\n\r\n错误代码：42\r\n\r\n"},
        BoxCase{"NegativeCodeInDecimal", -7, "", "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n"},
        BoxCase{"HeadingAlone", 0, "", "运行时出错!\r\n\r\n"}),
    CaseName{});

TEST(ErrorBoxText, IsStoredInCodePage936) {
  EXPECT_EQ(ComposeErrorBoxText(0, ""), "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n");
}

TEST(ErrorTextForCode, CodeOneIsIndexOutOfRange) {
  EXPECT_EQ(ErrorTextForCode(1), "数组成员引用下标超出定义范围");
}

TEST(ErrorTextForCode, UnknownCodeHasNoText) {
  EXPECT_EQ(ErrorTextForCode(0), "");
  EXPECT_EQ(ErrorTextForCode(2), "");
}

struct FillCase {
  const char* name;
  std::size_t bufferSize;
  const char* pattern;
  std::vector<std::string_view> values;
  const char* text;
};

std::string Fill(const FillCase& c) {
  std::vector<char> buffer(c.bufferSize);
  const auto& v = c.values;
  switch (v.size()) {
    case 0: return std::string(FillErrorText(buffer, c.pattern, {}));
    case 1: return std::string(FillErrorText(buffer, c.pattern, {v[0]}));
    default: return std::string(FillErrorText(buffer, c.pattern, {v[0], v[1]}));
  }
}

class FilledErrorText : public testing::TestWithParam<FillCase> {};

TEST_P(FilledErrorText, PutsValuesAtMarkersAndStaysInItsBuffer) {
  EXPECT_EQ(Fill(GetParam()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilledErrorText,
    testing::Values(
        FillCase{"ValuesInOrder", 64, "a %s b %s c", {"x", "y"}, "a x b y c"},
        FillCase{"NumberMarker", 64, "分配 %d 字节内存失败!", {"12"}, "分配 12 字节内存失败!"},
        FillCase{"MarkerWithoutValueStays", 64, "%s and %s", {"x"}, "x and %s"},
        FillCase{"TextWithoutMarker", 64, "plain", {"x"}, "plain"},
        FillCase{"OtherPercentStays", 64, "%x %s 100%", {"v"}, "%x v 100%"},
        FillCase{"CutAtTheBufferEnd", 8, "abc %s", {"defghij"}, "abc defg"},
        FillCase{"EmptyBuffer", 0, "abc %s", {"d"}, ""}),
    CaseName{});

TEST(FilledErrorText, NamesTheDllAndTheFunctionOfTheTable) {
  char buffer[256];
  EXPECT_EQ(FillErrorText(buffer, runtime_errors::DeclaredFunctionMissing.text,
                          {"user32.dll", "Missing"}),
            "无法找到指定DLL库文件“user32.dll”中的输出命令“Missing”");
}

void SayExitRoutineRan() { std::fputs("exit routine ran", stderr); }

TEST(RuntimeErrorDeathTest, WritesBoxAndExitsWithMinusOneWithoutExitRoutines) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(SayExitRoutineRan);
        RaiseRuntimeError(1);
      },
      testing::ExitedWithCode(255),
      testing::AllOf(
          testing::HasSubstr(kIndexOutOfRangeBox),
          testing::Not(testing::HasSubstr("exit routine ran"))));
}

TEST(RuntimeErrorDeathTest, CodeZeroErrorShowsOnlyItsMessage) {
  EXPECT_EXIT(RaiseRuntimeError(runtime_errors::WindowNotLoaded), testing::ExitedWithCode(255),
              testing::HasSubstr("运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n"));
}

}  // namespace
