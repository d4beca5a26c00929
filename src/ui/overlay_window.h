#pragma once
// OverlayWindow: the colour-keyed band across the screen with ten labels.
#include <windows.h>

#include <string_view>

#include "toolkit/core/template.h"

extern const WindowTemplate OverlayWindow;

// The overlay's background, keyed out by its layered window.
inline constexpr Colour kKeyedGrey = Rgb(128, 128, 128);

// The primary screen's width as the overlay last read it; a label that
// wraps goes back to this left edge.
extern int screenWidth;

void OnOverlayCreated();
void MakeWindowLayered(HWND window, int alpha, Colour colourKey);
void SetupLabel(std::string_view label, std::string_view caption, Colour textColour, int fontSize);
void OnOverlayKeyDown(int keyCode, int shiftState);
void OnLabel3LeftButtonDown(int x, int y, int shiftState);
