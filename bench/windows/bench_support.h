#pragma once
// What the in-process benchmarks share: the overlay scrolling the texts a
// user starts with, a high-resolution clock, and figures printed one a line.
#include <windows.h>

#include <string_view>
#include <vector>

namespace bench {

// Puts MainWindow's default ten lines in place and loads OverlayWindow, as
// the Start button would; returns once the overlay is shown.
void LoadScrollingOverlay();

// Handles every waiting message except timer ticks. A tick that takes longer
// than the timer's period is due again when it ends, so a pump that took
// ticks too would never run dry.
void PumpAllButTicks();

// Microseconds on the performance counter.
double NowMicroseconds();

// The value below which `fraction` of `samples` lie (nearest rank).
double Percentile(std::vector<double> samples, double fraction);

// One line "label: value unit", the form tools/bench collects into its table.
void PrintFigure(std::string_view label, double value, std::string_view unit, int decimals = 1);

}  // namespace bench
