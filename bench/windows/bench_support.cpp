#include "bench_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

#include "text/danmaku_lines.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/toolkit.h"
#include "ui/main_window.h"
#include "ui/overlay_window.h"

namespace bench {

namespace {

const char* DefaultLines() {
  for (const ControlTemplate& control : MainWindow.controls)
    if (const auto* edit = std::get_if<EditBoxSettings>(&control.settings)) return edit->content;
  return "";
}

}  // namespace

void PumpAllButTicks() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
         PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE))
    toolkit::DispatchWithRules(message);
}

void LoadScrollingOverlay() {
  StartToolkit();
  CreateEmptyLines();
  ReplaceLines(DefaultLines());
  LoadWindow(OverlayWindow);
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (!IsWindowVisible(GetWindowHandle(OverlayWindow)) && GetTickCount64() < deadline) {
    PumpAllButTicks();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  PumpAllButTicks();
}

double NowMicroseconds() {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

double Percentile(std::vector<double> samples, double fraction) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
  return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

void PrintFigure(std::string_view label, double value, std::string_view unit, int decimals) {
  std::printf("%.*s: %.*f %.*s\n", static_cast<int>(label.size()), label.data(), decimals, value,
              static_cast<int>(unit.size()), unit.data());
  std::fflush(stdout);
}

}  // namespace bench
