// Loading, unloading and the ways the program ends, on real windows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "case_name.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/declared_function.h"
#include "win_test_support.h"

using testing::HasSubstr;
using testing_support::BoxReport;
using testing_support::Cp936;
using testing_support::PumpUntil;
using testing_support::ReportMessageBoxesToStderr;

namespace {

int createdCount = 0;
int destroyingCount = 0;
void CountCreated() { ++createdCount; }
void CountDestroying() { ++destroyingCount; }

constexpr ControlTemplate kOneButton[] = {
    {.name = "button", .parent = nullptr, .place = {10, 10, 80, 30},
     .settings = PushButtonSettings{.caption = "OK"}, .tabStop = true},
};

const WindowTemplate Plain{
    .name = "Plain",
    .place = {100, 100, 300, 200},
    .settings = {.title = "plain"},
    .controls = kOneButton,
    .events = {.created = CountCreated, .destroying = CountDestroying},
};

const WindowTemplate Second{
    .name = "Second",
    .place = {150, 150, 300, 200},
    .settings = {.title = "second"},
};

class Lifecycle : public testing::Test {
 protected:
  void SetUp() override { createdCount = destroyingCount = 0; }
  void TearDown() override {
    for (const WindowTemplate* w : {&Plain, &Second})
      if (IsWindowLoaded(*w)) UnloadWindow(*w, true);
    testing_support::PumpFor(20);
  }
};

int routineRuns = 0;
void CountingRoutine() { ++routineRuns; }
// Registered after the routine under test, so it runs last and tells.
void ReportRuns() {
  std::fprintf(stderr, "routine-runs=%d", routineRuns);
  std::fflush(stderr);
}
void ReportDestroying() {
  std::fprintf(stderr, "destroying-ran=%d", destroyingCount);
  std::fflush(stderr);
}
// Would end with 42 if any exit routine ran.
void ExitWith42() { ExitProcess(42); }

std::string ErrorBoxReport(const wchar_t* text) {
  return BoxReport(Cp936(L"错误"), Cp936(text), true, 1);
}

void CallMissingFunction() {
  static DeclaredFunction<int(int)> missing{"user32.dll", "NoSuchFunctionHere"};
  missing(1);
}

}  // namespace

TEST_F(Lifecycle, LastWindowGoneEndsTheLoopWithExitCodeZero) {
  EXPECT_EXIT(
      {
        LoadWindow(Plain);
        UnloadWindow(Plain);
        RunMessageLoop();
        FinishProgram();
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(Lifecycle, LoopReturnsAtOnceWithoutWindows) { RunMessageLoop(); }

TEST_F(Lifecycle, ExitRoutineRegisteredTwiceRunsOnce) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(CountingRoutine);
        RegisterExitRoutine(CountingRoutine);
        RegisterExitRoutine(ReportRuns);
        EndProgram(0);
      },
      testing::ExitedWithCode(0), HasSubstr("routine-runs=1"));
}

TEST_F(Lifecycle, EndProgramEndsWithItsCodeAndRaisesNoHandler) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(ReportDestroying);
        LoadWindow(Plain);
        LoadWindow(Second);
        EndProgram(7);
      },
      testing::ExitedWithCode(7), HasSubstr("destroying-ran=0"));
}

struct ErrorBoxCase {
  const char* name;
  int code;
  const wchar_t* message;
  const wchar_t* expected;
};

class ErrorBox : public testing::TestWithParam<ErrorBoxCase> {};

TEST_P(ErrorBox, ShowsItsTextThenEndsWithMinusOneWithoutExitRoutines) {
  const ErrorBoxCase& c = GetParam();
  EXPECT_EXIT(
      {
        RegisterExitRoutine(ExitWith42);
        LoadWindow(Plain);
        ReportMessageBoxesToStderr();
        RaiseRuntimeError(c.code, Cp936(c.message));
      },
      testing::ExitedWithCode(-1), HasSubstr(ErrorBoxReport(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ErrorBox,
    testing::Values(
        ErrorBoxCase{"WithCode", 1, L"数组成员引用下标超出定义范围",
                     L"运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        ErrorBoxCase{"WithoutCode", 0, L"载入启动窗口失败",
                     L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        ErrorBoxCase{"WithoutMessage", 5, L"", L"运行时出错!\r\n\r\n错误代码：5\r\n\r\n"}),
    CaseName{});

TEST_F(Lifecycle, UnloadReturnsBeforeTheWindowGoes) {
  LoadWindow(Plain);
  const HWND handle = GetWindowHandle(Plain);
  UnloadWindow(Plain);
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_EQ(destroyingCount, 0);
  EXPECT_FALSE(IsWindowLoaded(Plain));
  EXPECT_TRUE(PumpUntil([] { return destroyingCount == 1; }));
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(Lifecycle, LoadingAnOpenWindowBuildsNothing) {
  LoadWindow(Plain);
  const HWND handle = GetWindowHandle(Plain);
  EXPECT_TRUE(LoadWindow(Plain));
  EXPECT_EQ(GetWindowHandle(Plain), handle);
  EXPECT_EQ(createdCount, 1);
}

TEST_F(Lifecycle, LoadingAWindowWaitingToBeDestroyedBuildsItAfresh) {
  LoadWindow(Plain);
  const HWND first = GetWindowHandle(Plain);
  UnloadWindow(Plain);
  EXPECT_TRUE(LoadWindow(Plain));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(destroyingCount, 1);
  EXPECT_EQ(createdCount, 2);
  EXPECT_TRUE(IsWindowLoaded(Plain));
}

namespace {
bool visibleDuringCreated = true;
extern const WindowTemplate Probe;
void ProbeCreated() { visibleDuringCreated = IsWindowVisible(GetWindowHandle(Probe)); }
const WindowTemplate Probe{
    .name = "Probe",
    .place = {100, 100, 200, 100},
    .events = {.created = ProbeCreated},
};
}  // namespace

TEST_F(Lifecycle, CreatedRunsWhileTheWindowIsStillHidden) {
  LoadWindow(Probe);
  EXPECT_FALSE(visibleDuringCreated);
  EXPECT_TRUE(IsWindowVisible(GetWindowHandle(Probe)));
  UnloadWindow(Probe, true);
}

TEST_F(Lifecycle, UnloadingAWindowThatIsNotLoadedIsARuntimeError) {
  EXPECT_EXIT(
      {
        ReportMessageBoxesToStderr();
        UnloadWindow(Second);
      },
      testing::ExitedWithCode(-1),
      HasSubstr(ErrorBoxReport(L"运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n")));
}

TEST_F(Lifecycle, UnresolvedDeclaredFunctionNamesTheDllAndTheFunction) {
  EXPECT_EXIT(
      {
        ReportMessageBoxesToStderr();
        CallMissingFunction();
      },
      testing::ExitedWithCode(-1),
      HasSubstr(ErrorBoxReport(
          L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“user32.dll”中的输出命令“NoSuchFunctionHere”\r\n")));
}

TEST_F(Lifecycle, RunningOutOfMemoryNamesTheBytesAskedFor) {
  EXPECT_EXIT(
      {
        ReportMessageBoxesToStderr();
        volatile std::size_t huge = std::size_t{1} << 62;
        char* block = new char[huge];
        block[0] = 1;
      },
      testing::ExitedWithCode(-1),
      HasSubstr(ErrorBoxReport(L"运行时出错!\r\n\r\n错误信息：分配 4611686018427387904 字节内存失败!\r\n")));
}
