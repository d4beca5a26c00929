// The overlay scrolling for real, under a message loop like the program's
// own: how many ticks are handled and how many the system merged, how late
// they come, what one whole tick costs as the loop runs it, and how fast the
// texts really move, read from the labels' places at every tick.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_support.h"
#include "overlay_labels.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/toolkit.h"
#include "ui/overlay_window.h"

namespace {

constexpr double kPeriodMicros = bench::kTickMs * 1000.0;

using Lefts = std::array<int, bench::kOverlayLabels.size()>;

struct Tick {
  double start;  // microseconds
  double cost;   // microseconds: the timer message's dispatch and the paints it left
  Lefts lefts;   // the labels' places once the tick was handled
};

Lefts ReadLefts() {
  Lefts lefts{};
  for (std::size_t i = 0; i < lefts.size(); ++i)
    lefts[i] = GetProperty(OverlayWindow, bench::kOverlayLabels[i].name, Left);
  return lefts;
}

bool IsOverlayPaint(const MSG& message, HWND overlay) {
  return message.message == WM_PAINT && (message.hwnd == overlay || IsChild(overlay, message.hwnd));
}

// A tick's cost runs from the dispatch of its timer message to the end of
// the last paint it left queued, so that a paint deferred to the queue
// counts as much as one made within the handler.
std::vector<Tick> Scroll(double seconds) {
  const HWND overlay = GetWindowHandle(OverlayWindow);
  std::vector<Tick> ticks;
  const double end = bench::NowMicroseconds() + seconds * 1e6;
  MSG message;
  while (bench::NowMicroseconds() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
    const bool tick = message.message == WM_TIMER && message.hwnd == overlay;
    const bool paint = IsOverlayPaint(message, overlay);
    const double start = bench::NowMicroseconds();
    toolkit::DispatchWithRules(message);
    const double spent = bench::NowMicroseconds() - start;
    if (tick) ticks.push_back({start, spent, ReadLefts()});
    else if (paint && !ticks.empty()) ticks.back().cost += spent;
  }
  return ticks;
}

void PrintTicks(const std::vector<Tick>& ticks) {
  const double elapsed = ticks.back().start - ticks.front().start;
  const double handled = static_cast<double>(ticks.size() - 1);
  const double expected = elapsed / kPeriodMicros;
  std::vector<double> lateness, costs;
  for (std::size_t i = 1; i < ticks.size(); ++i)
    lateness.push_back((ticks[i].start - ticks[i - 1].start - kPeriodMicros) / 1000);
  for (const Tick& tick : ticks) costs.push_back(tick.cost);
  std::printf("%zu ticks handled in %.1f s of scrolling\n", ticks.size(), elapsed / 1e6);
  bench::PrintFigure("ticks handled per second (nominal 33.3)", handled / (elapsed / 1e6), "/s");
  bench::PrintFigure("ticks merged", 100 * (expected - handled) / expected, "%");
  bench::PrintFigure("tick lateness median", bench::Percentile(lateness, 0.5), "ms");
  bench::PrintFigure("tick lateness p99", bench::Percentile(lateness, 0.99), "ms");
  bench::PrintFigure("tick cost median (dispatch + its paints)", bench::Percentile(costs, 0.5), "us");
  bench::PrintFigure("tick cost p99 (dispatch + its paints)", bench::Percentile(costs, 0.99), "us");
}

// A step that wraps carries the label back to the right edge: it is left out
// with its time, so every counted pixel is one the label really moved.
void PrintSpeeds(const std::vector<Tick>& ticks) {
  for (const int speed : bench::kSpeedClasses) {
    double pixels = 0, micros = 0;
    for (std::size_t label = 0; label < bench::kOverlayLabels.size(); ++label) {
      if (bench::kOverlayLabels[label].speed != speed) continue;
      for (std::size_t i = 1; i < ticks.size(); ++i) {
        const int moved = ticks[i - 1].lefts[label] - ticks[i].lefts[label];
        if (moved < 0) continue;
        pixels += moved;
        micros += ticks[i].start - ticks[i - 1].start;
      }
    }
    const double perSecond = micros > 0 ? pixels / (micros / 1e6) : 0;
    char label[64];
    std::snprintf(label, sizeof label, "speed of the %d px/tick labels", speed);
    bench::PrintFigure(label, perSecond, "px/s");
    std::snprintf(label, sizeof label, "speed of the %d px/tick labels / nominal", speed);
    bench::PrintFigure(label, perSecond / bench::NominalPixelsPerSecond(speed), "x", 3);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 30;
  bench::LoadScrollingOverlay();
  const std::vector<Tick> ticks = Scroll(seconds);
  if (ticks.size() < 2) {
    std::printf("error: fewer than two ticks in %.0f s\n", seconds);
    return 1;
  }
  PrintTicks(ticks);
  PrintSpeeds(ticks);
  UnloadWindow(OverlayWindow, true);
  return 0;
}
