#include "quillaro_app.h"

#include <cstdlib>
#include <map>

#include "poll.h"
#include "screenshot.h"
#include "x_input.h"

namespace e2e {

std::string ExePath() {
  const char* fromEnvironment = std::getenv("QUILLARO_EXE");
  return fromEnvironment && *fromEnvironment ? fromEnvironment : QUILLARO_DEFAULT_EXE;
}

std::string ToolsDir() { return QUILLARO_TOOLS_DIR; }

namespace {

// Wine paints MainWindow's caption in one colour while the window is active
// and in another while it is not.
constexpr Rgb kActiveCaption{50, 150, 250};
constexpr Rgb kInactiveCaption{128, 128, 128};
// The caption between the title and the buttons. The band of texts may lie
// over it, but its texts cover only some of these pixels.
constexpr Rect kCaptionStrip{kMainWindowRect.x + 200, kMainWindowRect.y + 4, 180, 14};

// True when the strip shows the active colour and not the other, false for
// the reverse; nothing halfway through a repaint.
std::optional<bool> CaptionShowsActive(const Image& shot) {
  const Image strip = shot.Crop(kCaptionStrip);
  const auto count = [&](Rgb colour) { return strip.ColumnsOf(colour, 0, strip.Height()).size(); };
  const size_t active = count(kActiveCaption), inactive = count(kInactiveCaption);
  if (active > 0 && inactive == 0) return true;
  if (inactive > 0 && active == 0) return false;
  return std::nullopt;
}

// wine-run takes its language from QUILLARO_LANG; LC_ALL would override both.
std::map<std::string, std::string> Environment(const std::string& lang, const std::string& prefix) {
  std::map<std::string, std::string> environment{
      {"LANG", lang}, {"QUILLARO_LANG", lang}, {"LC_ALL", ""}};
  if (!prefix.empty()) environment["WINEPREFIX"] = prefix;
  return environment;
}

}  // namespace

QuillaroApp::QuillaroApp(const std::string& lang, const std::string& prefix)
    : process_({ToolsDir() + "/wine-run", ExePath()}, Environment(lang, prefix)) {}

bool QuillaroApp::WaitForMainWindow(std::chrono::milliseconds timeout) {
  return PollUntil(
      [this] {
        for (WindowId window : VisibleWindowsOf(Pid())) {
          if (WindowName(window) == kMainWindowTitle) mainWindow_ = window;
        }
        return mainWindow_ != 0 || !process_.Running();
      },
      timeout) && mainWindow_ != 0;
}

bool QuillaroApp::WaitForMainWindowActive(bool active, std::chrono::milliseconds timeout) const {
  return PollUntil([active] { return CaptionShowsActive(TakeScreenshot()) == active; }, timeout);
}

std::optional<WindowId> QuillaroApp::FindOverlay() const {
  for (WindowId window : VisibleWindowsOf(Pid())) {
    if (WindowName(window).empty()) return window;
  }
  return std::nullopt;
}

std::optional<WindowId> QuillaroApp::WaitForOverlay(std::chrono::milliseconds timeout) const {
  std::optional<WindowId> overlay;
  PollUntil([&] { return (overlay = FindOverlay()).has_value(); }, timeout);
  return overlay;
}

bool QuillaroApp::WaitUntilOverlayGone(std::chrono::milliseconds timeout) const {
  return PollUntil([this] { return !FindOverlay(); }, timeout);
}

void QuillaroApp::ClickClient(int clientX, int clientY) const {
  ClickAt(ScreenX(clientX), ScreenY(clientY));
}

void QuillaroApp::ClickCentreOf(const Rect& control) const {
  ClickClient(control.x + control.width / 2, control.y + control.height / 2);
}

void QuillaroApp::ClickIntoEditBox() const {
  ClickClient(kEditBox.x + kEditBox.width - 20, kEditBox.y + kEditBox.height - 20);
}

}  // namespace e2e
