#pragma once

#include <chrono>
#include <thread>

namespace e2e {

// The bound of a wait on the program: generous, since only a failing test
// waits it out, and a loaded machine must not fail a passing one.
inline constexpr std::chrono::milliseconds kWaitBound = std::chrono::seconds(60);

// Asks `condition` again and again until it holds or `timeout` has passed;
// tells which. The short pause between asks only spares the CPU.
template <typename Condition>
bool PollUntil(Condition&& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds interval = std::chrono::milliseconds(50)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(interval);
  }
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace e2e
