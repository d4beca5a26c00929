#include "quillaro_app.h"

#include <cstdlib>

#include "poll.h"
#include "x_input.h"

namespace e2e {

std::string ExePath() {
  const char* fromEnvironment = std::getenv("QUILLARO_EXE");
  return fromEnvironment && *fromEnvironment ? fromEnvironment : QUILLARO_DEFAULT_EXE;
}

std::string ToolsDir() { return QUILLARO_TOOLS_DIR; }

// wine-run takes its language from QUILLARO_LANG; LC_ALL would override both.
QuillaroApp::QuillaroApp(const std::string& lang)
    : process_({ToolsDir() + "/wine-run", ExePath()},
               {{"LANG", lang}, {"QUILLARO_LANG", lang}, {"LC_ALL", ""}}) {}

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
