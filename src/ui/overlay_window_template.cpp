// OverlayWindow's template. The labels are listed from 10 down to 1, so
// "透明标签10" lies on top of the stack and "透明标签1" at the bottom.
#include "ui/overlay_window.h"
#include "ui/scrolling.h"

namespace {

constexpr int kLabelHeight = 48;

// Replaced by the creation handler's font sizes before the window shows.
constexpr FontSpec kTemplateFont{.height = -20};

constexpr ControlTemplate Label(const char* name, int left, int top, int width, Colour colour,
                                ControlEvents events = {}) {
  return {.name = name,
          .parent = nullptr,
          .place = {left, top, width, kLabelHeight},
          .settings = TransparentLabelSettings{.caption = name,
                                               .textColour = colour,
                                               .font = kTemplateFont},
          .events = events};
}

constexpr ControlTemplate kControls[] = {
    Label("透明标签10", 536, 104, 360, Rgb(0, 128, 128)),
    Label("透明标签9", 504, 216, 360, Rgb(0, 255, 255)),
    Label("透明标签8", 48, 224, 360, Rgb(0, 0, 0)),
    Label("透明标签7", 456, 152, 360, Rgb(0, 0, 255)),
    Label("透明标签6", 176, 176, 360, Rgb(255, 0, 255)),
    Label("透明标签5", 312, 80, 360, Rgb(88, 48, 224)),
    Label("透明标签4", 456, 16, 312, Rgb(0, 224, 128)),
    {.name = "时钟1",
     .parent = nullptr,
     .place = {0, 0, 0, 0},
     .settings = TimerSettings{.periodMs = 30},
     .visible = false,
     .events = {.periodic = OnScrollTimer}},
    Label("透明标签3", 112, 128, 360, Rgb(255, 168, 255),
          {.leftButtonDown = OnLabel3LeftButtonDown}),
    Label("透明标签2", 56, 80, 360, Rgb(255, 255, 0)),
    Label("透明标签1", 112, 8, 360, Rgb(255, 0, 0)),
};

}  // namespace

constinit const WindowTemplate OverlayWindow{
    .name = "OverlayWindow",
    .place = {50, 50, 709, 348},
    .settings = {.title = "",
                 .border = Border::None,
                 .maximiseBox = false,
                 .background = kKeyedGrey,
                 .dragAnywhere = true,
                 .escCloses = true},
    .controls = kControls,
    .events = {.created = OnOverlayCreated, .keyDown = OnOverlayKeyDown},
};
