#include "ui/overlay_window.h"

#include <array>

#include "text/danmaku_lines.h"
#include "toolkit/core/layered_flags.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/declared_function.h"

int screenWidth = 0;

namespace {

struct LabelSetup {
  const char* name;
  int fontSize;  // points
};

constexpr std::array<LabelSetup, 10> kLabels{{
    {"透明标签1", 16}, {"透明标签2", 19}, {"透明标签3", 20}, {"透明标签4", 15}, {"透明标签5", 16},
    {"透明标签6", 19}, {"透明标签7", 20}, {"透明标签8", 15}, {"透明标签9", 16}, {"透明标签10", 19},
}};

constexpr int kOpaque = 255;

}  // namespace

void OnOverlayCreated() {
  MakeWindowLayered(GetWindowHandle(OverlayWindow), kOpaque, kKeyedGrey);
  screenWidth = GetScreenWidth();
  // Width first, then left: the band spans x 0 to screenWidth - 1.
  SetProperty(OverlayWindow, "", Width, screenWidth);
  SetProperty(OverlayWindow, "", Left, 0);
  for (int i = 1; i <= static_cast<int>(kLabels.size()); ++i) {
    // Closing MainWindow can build the overlay from fewer than ten lines;
    // the labels without a line stay blank and scroll all the same.
    const std::string_view caption = i <= LineCount() ? std::string_view(LineAt(i)) : "";
    SetupLabel(kLabels[i - 1].name, caption, 0, kLabels[i - 1].fontSize);
  }
}

void MakeWindowLayered(HWND window, int alpha, Colour colourKey) {
  static DeclaredFunction<LONG(HWND, int, LONG)> setWindowLong{"user32.dll", "SetWindowLongA"};
  static DeclaredFunction<BOOL(HWND, COLORREF, BYTE, DWORD)> setLayeredWindowAttributes{
      "user32.dll", "SetLayeredWindowAttributes"};
  setWindowLong(window, GWL_EXSTYLE, WS_EX_LAYERED);
  setLayeredWindowAttributes(window, colourKey, static_cast<BYTE>(alpha & 0xFF),
                             ChooseLayeredFlags(alpha, colourKey));
}

void SetupLabel(std::string_view label, std::string_view caption, Colour textColour,
                int fontSize) {
  SetProperty(OverlayWindow, label, Caption, caption);
  if (textColour != 0) SetProperty(OverlayWindow, label, TextColour, textColour);
  if (fontSize != 0) SetProperty(OverlayWindow, label, FontSize, fontSize);
}

void OnOverlayKeyDown(int keyCode, int /*shiftState*/) {
  // A plain Esc never gets here: the window's Esc setting closes the overlay first.
  if (keyCode == VK_ESCAPE) EndProgram(0);
}

void OnLabel3LeftButtonDown(int, int, int) {}
