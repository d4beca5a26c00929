#pragma once
// Window templates: a window's place, its settings and its ordered controls.
// Templates are constant data; the toolkit builds a window afresh from its
// template on every load.
#include <cstdint>
#include <span>
#include <variant>

using Colour = std::uint32_t;  // COLORREF: 0x00BBGGRR

// Stands for the system's button-face colour, looked up at each paint.
inline constexpr Colour kButtonFaceColour = 0xFF000000;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

struct Place {
  int left, top, width, height;
};

using Handler = void (*)();
using KeyHandler = void (*)(int keyCode, int shiftState);
using MouseHandler = void (*)(int x, int y, int shiftState);

// Bits of the shift state handed to key and mouse handlers.
inline constexpr int kShiftCtrl = 1;
inline constexpr int kShiftShift = 2;
inline constexpr int kShiftAlt = 4;

enum class Border { None, Resizable, FixedSingle, ResizableTool, FixedTool, ResizableSunken, FixedSunken };
enum class StartPosition { TemplatePlace, Centred, Minimised, Maximised };
enum class Align { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };
enum class EditBorder { None, Sunken, Raised, ShallowSunken, SunkenRaised, Single };
enum class ScrollBars { None, Horizontal, Vertical, Both };
enum class InputMode { Normal, ReadOnly, Password };
enum class CaseConversion { None, Lower, Upper };

struct WindowSettings {
  const char* title = "";
  Border border = Border::FixedSingle;
  bool controlBox = true;
  bool minimiseBox = true;
  bool maximiseBox = true;
  Colour background = kButtonFaceColour;
  StartPosition startPosition = StartPosition::TemplatePlace;
  bool movable = true;
  bool dragAnywhere = false;
  bool escCloses = false;
  bool enterMovesFocus = false;
  bool showInTaskBar = true;
  bool alwaysOnTop = false;
  bool visible = true;
};

struct WindowEvents {
  Handler created = nullptr;
  Handler destroying = nullptr;  // runs while the window and its controls still exist
  KeyHandler keyDown = nullptr;
  MouseHandler leftButtonDown = nullptr;
};

// The fields of a LOGFONT that a template sets; a height of 0 means no font
// of its own (the default GUI font).
struct FontSpec {
  int height = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int escapement = 0;
  int orientation = 0;
  const char* face = "";
};

struct GroupBoxSettings {
  const char* caption = "";
  Align captionAlign = Align::Left;
  Colour captionColour = Rgb(0, 0, 0);
  Colour background = kButtonFaceColour;
};

struct EditBoxSettings {
  const char* content = "";
  EditBorder border = EditBorder::Sunken;
  Colour textColour = Rgb(0, 0, 0);
  Colour background = Rgb(255, 255, 255);
  bool hideSelection = true;
  int maxLength = 0;  // 0: the system's own limit
  bool multiLine = false;
  ScrollBars scrollBars = ScrollBars::None;
  Align align = Align::Left;
  InputMode inputMode = InputMode::Normal;
  char passwordMask = '*';
  CaseConversion caseConversion = CaseConversion::None;
  int selectionStart = 0;
  int selectionLength = 0;
};

struct PushButtonSettings {
  const char* caption = "";
  bool defaultButton = false;
  Align align = Align::Centre;
  VAlign verticalAlign = VAlign::Centre;
};

struct TransparentLabelSettings {
  const char* caption = "";
  Colour textColour = Rgb(0, 0, 0);
  FontSpec font{};
  Align align = Align::Left;
  VAlign verticalAlign = VAlign::Centre;
  bool wordWrap = false;
};

struct TimerSettings {
  int periodMs = 0;  // 0: the timer does not run
};

using ControlSettings = std::variant<GroupBoxSettings, EditBoxSettings, PushButtonSettings,
                                     TransparentLabelSettings, TimerSettings>;

struct ControlEvents {
  Handler clicked = nullptr;
  Handler periodic = nullptr;
  KeyHandler keyDown = nullptr;
  MouseHandler leftButtonDown = nullptr;
};

struct ControlTemplate {
  const char* name;
  const char* parent;  // nullptr: the window; otherwise a group box's name
  Place place;
  ControlSettings settings;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  int tabOrder = 0;
  ControlEvents events{};
};

// List order is build order and stacking order: among controls with the same
// parent the first lies on top.
struct WindowTemplate {
  const char* name;
  Place place;  // screen coordinates, outer size
  WindowSettings settings;
  std::span<const ControlTemplate> controls;
  WindowEvents events{};
};
