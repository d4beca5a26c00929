#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "child_process.h"
#include "poll.h"
#include "x_windows.h"

namespace e2e {

using namespace std::chrono_literals;

inline constexpr const char* kMainWindowTitle = "Quillaro   -by Tovenhal";
inline constexpr const char* kMessageBoxTitle = "信息：";
inline constexpr Rect kMainWindowRect{500, 300, 454, 307};
// Wine's default frame for a fixed single border with a caption: 3 pixels of
// frame, an 18-pixel caption and its 1-pixel edge.
inline constexpr int kFrameWidth = 3;
inline constexpr int kCaptionBottom = 22;
// Client rectangles of MainWindow's controls.
inline constexpr Rect kStartButton{112, 239, 80, 32};
inline constexpr Rect kEditBox{2 + 9, 3 + 23, 429, 193};
// Where the overlay stands once its creation handler has stretched it.
inline constexpr int kOverlayTop = 50;
inline constexpr int kOverlayHeight = 348;

std::string ExePath();      // QUILLARO_EXE, or the Windows build's exe
std::string ToolsDir();

// One run of quillaro.exe under Wine, started as a user starts it, through
// tools/wine-run. Killed at the end of the test if it is still running.
class QuillaroApp {
 public:
  // In the Wine prefix `prefix`, or with none given in the tools' own.
  explicit QuillaroApp(const std::string& lang, const std::string& prefix = "");

  pid_t Pid() const { return process_.Pid(); }
  // Waits for MainWindow to show; false if it does not within `timeout`.
  bool WaitForMainWindow(std::chrono::milliseconds timeout = kWaitBound);
  WindowId MainWindow() const { return mainWindow_; }
  // Waits until MainWindow's caption shows it active, or inactive: which
  // window Windows has active, whatever the X focus.
  bool WaitForMainWindowActive(bool active, std::chrono::milliseconds timeout = kWaitBound) const;
  // A window of the program with an empty title: the overlay.
  std::optional<WindowId> FindOverlay() const;
  std::optional<WindowId> WaitForOverlay(std::chrono::milliseconds timeout = kWaitBound) const;
  bool WaitUntilOverlayGone(std::chrono::milliseconds timeout = kWaitBound) const;

  // Screen point of a point in MainWindow's client area.
  int ScreenX(int clientX) const { return kMainWindowRect.x + kFrameWidth + clientX; }
  int ScreenY(int clientY) const { return kMainWindowRect.y + kCaptionBottom + clientY; }
  void ClickClient(int clientX, int clientY) const;
  void ClickCentreOf(const Rect& control) const;
  // Gives the edit box the focus as a user does: a click into it.
  void ClickIntoEditBox() const;

  bool Running() { return process_.Running(); }
  // Holds the program still while the returned object lives.
  StoppedProcess HoldStill() { return StoppedProcess(process_); }
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout = kWaitBound) {
    return process_.WaitForExit(timeout);
  }

 private:
  ChildProcess process_;
  WindowId mainWindow_ = 0;
};

}  // namespace e2e
