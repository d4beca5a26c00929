#include "toolkit/core/tab_order.h"

#include <algorithm>

std::vector<int> TabSequence(std::span<const TabEntry> entries) {
  std::vector<int> sequence;
  for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i)
    if (entries[i].eligible) sequence.push_back(i);
  // Reverse list order is already in place; a stable sort keeps it among equals.
  std::stable_sort(sequence.begin(), sequence.end(),
                   [&](int a, int b) { return entries[a].tabOrder < entries[b].tabOrder; });
  return sequence;
}

int StepTabOrder(std::span<const TabEntry> entries, int current, int step) {
  const std::vector<int> sequence = TabSequence(entries);
  if (sequence.empty()) return -1;
  const int count = static_cast<int>(sequence.size());
  const auto at = std::find(sequence.begin(), sequence.end(), current);
  if (at == sequence.end()) return step >= 0 ? sequence.front() : sequence.back();
  const int position = static_cast<int>(at - sequence.begin());
  return sequence[((position + step) % count + count) % count];
}

int InitialFocus(std::span<const TabEntry> entries) {
  const std::vector<int> sequence = TabSequence(entries);
  return sequence.empty() ? -1 : sequence.front();
}
