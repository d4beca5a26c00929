// The cost of one scrolling tick: OnScrollTimer's ten label moves, each with
// its synchronous redraw, timed call by call on the real overlay.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"
#include "toolkit/toolkit.h"
#include "ui/overlay_window.h"
#include "ui/scrolling.h"

namespace {

constexpr int kWarmUpTicks = 20;

std::vector<double> TimeTicks(int count) {
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double start = bench::NowMicroseconds();
    OnScrollTimer();
    micros.push_back(bench::NowMicroseconds() - start);
    // The paints that the moves leave pending are taken between the timed calls.
    bench::PumpAllButTicks();
  }
  return micros;
}

}  // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 300;
  bench::LoadScrollingOverlay();
  TimeTicks(kWarmUpTicks);
  const std::vector<double> micros = TimeTicks(ticks);
  std::printf("OnScrollTimer, %d ticks after %d of warm-up\n", ticks, kWarmUpTicks);
  bench::PrintFigure("tick cost median", bench::Percentile(micros, 0.5), "us");
  bench::PrintFigure("tick cost p99", bench::Percentile(micros, 0.99), "us");
  UnloadWindow(OverlayWindow, true);
  return 0;
}
