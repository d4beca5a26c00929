#include "toolkit/core/exit_routines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ran;

void First() { ran += '1'; }
void Second() { ran += '2'; }
void Third() { ran += '3'; }
void EndAgainFromInside() {
  ran += 'E';
  RunExitRoutines();
}

class ExitRoutines : public testing::Test {
 protected:
  void SetUp() override { ran.clear(); }
  void TearDown() override { DropExitRoutines(); }
};

TEST_F(ExitRoutines, RunInTheOrderTheyWereAdded) {
  RegisterExitRoutine(Second);
  RegisterExitRoutine(Third);
  RegisterExitRoutine(First);
  RunExitRoutines();
  EXPECT_EQ(ran, "231");
}

TEST_F(ExitRoutines, RoutineAddedTwiceRunsOnceInItsFirstPlace) {
  RegisterExitRoutine(First);
  RegisterExitRoutine(Second);
  RegisterExitRoutine(First);
  RunExitRoutines();
  EXPECT_EQ(ran, "12");
}

TEST_F(ExitRoutines, RunningEmptiesTheList) {
  RegisterExitRoutine(First);
  RunExitRoutines();
  RunExitRoutines();
  EXPECT_EQ(ran, "1");
}

TEST_F(ExitRoutines, RoutineCanBeAddedAgainAfterARun) {
  RegisterExitRoutine(First);
  RunExitRoutines();
  RegisterExitRoutine(First);
  RunExitRoutines();
  EXPECT_EQ(ran, "11");
}

TEST_F(ExitRoutines, DropRunsNothingAndEmptiesTheList) {
  RegisterExitRoutine(First);
  RegisterExitRoutine(Second);
  DropExitRoutines();
  RunExitRoutines();
  EXPECT_EQ(ran, "");
}

TEST_F(ExitRoutines, EndReachedFromInsideARoutineRunsNothingTwice) {
  RegisterExitRoutine(First);
  RegisterExitRoutine(EndAgainFromInside);
  RegisterExitRoutine(Second);
  RunExitRoutines();
  EXPECT_EQ(ran, "1E2");
}

}  // namespace
