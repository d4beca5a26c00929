#pragma once
// The routines that run once when the program ends normally or on request.

using ExitRoutine = void (*)();

// Appends `routine` unless it is already in the list.
void RegisterExitRoutine(ExitRoutine routine);

// Runs the routines in the order they were added, each once, and empties the list.
void RunExitRoutines();

// Empties the list without running anything (the end after a run-time error).
void DropExitRoutines();
