#pragma once
// The scrolling of the overlay's labels, one step every timer tick.
#include <string_view>

void OnScrollTimer();
void ScrollLabel(std::string_view label, int speed);
