// How late the overlay's 30 ms ticks are handled while the texts scroll for
// real: a message loop like the program's own that notes the time of every
// timer message for the overlay before dispatching it.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/toolkit.h"
#include "ui/overlay_window.h"

namespace {

constexpr double kPeriodMicros = 30000;

std::vector<double> TickTimes(double seconds) {
  const HWND overlay = GetWindowHandle(OverlayWindow);
  std::vector<double> times;
  const double end = bench::NowMicroseconds() + seconds * 1e6;
  MSG message;
  // One message a turn: ticks slower than their period never leave the queue empty.
  while (bench::NowMicroseconds() < end) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      continue;
    }
    if (message.message == WM_TIMER && message.hwnd == overlay)
      times.push_back(bench::NowMicroseconds());
    toolkit::DispatchWithRules(message);
  }
  return times;
}

std::vector<double> LatenessOf(const std::vector<double>& times) {
  std::vector<double> late;
  for (std::size_t i = 1; i < times.size(); ++i)
    late.push_back((times[i] - times[i - 1] - kPeriodMicros) / 1000);
  return late;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 30;
  bench::LoadScrollingOverlay();
  const std::vector<double> times = TickTimes(seconds);
  if (times.size() < 2) {
    std::printf("fewer than two ticks in %.0f s\n", seconds);
    return 1;
  }
  const double elapsed = times.back() - times.front();
  const double expected = elapsed / kPeriodMicros + 1;
  const std::vector<double> late = LatenessOf(times);
  std::printf("%zu ticks handled in %.1f s of scrolling\n", times.size(), elapsed / 1e6);
  bench::PrintFigure("tick lateness median", bench::Percentile(late, 0.5), "ms");
  bench::PrintFigure("tick lateness p99", bench::Percentile(late, 0.99), "ms");
  bench::PrintFigure("ticks merged", expected - static_cast<double>(times.size()), "ticks");
  UnloadWindow(OverlayWindow, true);
  return 0;
}
