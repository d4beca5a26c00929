#include "toolkit/core/runtime_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "case_name.h"
#include "toolkit/core/exit_routines.h"

namespace {

constexpr const char* kIndexOutOfRangeBox =
    "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n";

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
