#include "toolkit/core/exit_routines.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<ExitRoutine>& Routines() {
  static std::vector<ExitRoutine> routines;
  return routines;
}
}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  auto& routines = Routines();
  if (routine && std::find(routines.begin(), routines.end(), routine) == routines.end())
    routines.push_back(routine);
}

void RunExitRoutines() {
  // Taken out first, so that an end reached again from inside a routine runs nothing twice.
  std::vector<ExitRoutine> routines;
  routines.swap(Routines());
  for (ExitRoutine routine : routines) routine();
}

void DropExitRoutines() { Routines().clear(); }
