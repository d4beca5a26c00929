#pragma once
// Keyboard focus order among a window's controls.
#include <span>
#include <vector>

struct TabEntry {
  int tabOrder;   // the template's tab-order number
  bool eligible;  // visible, enabled and a tab stop
};

// Indices of the eligible entries in Tab order: ascending tab-order number,
// entries with equal numbers in reverse list order.
std::vector<int> TabSequence(std::span<const TabEntry> entries);

// The entry that Tab (step +1) or Shift+Tab (step -1) moves to from `current`,
// wrapping at both ends; -1 when no entry is eligible. A `current` that is not
// in the sequence steps to its first (or last) entry.
int StepTabOrder(std::span<const TabEntry> entries, int current, int step);

// The entry that gets the focus when no control had it before; -1 for none.
int InitialFocus(std::span<const TabEntry> entries);
