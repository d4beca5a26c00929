#pragma once
// Helpers for the in-process Windows tests: pumping the toolkit's loop until
// a condition holds, and answering message boxes from a watcher thread.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "toolkit/core/template.h"

namespace testing_support {

// A bound for waits on a condition: generous, since only a failing test
// waits it out, and a loaded machine must not fail a passing one.
inline constexpr int kWaitBoundMs = 30000;

// Pumps messages (with the toolkit's input rules) until `condition` holds or
// `timeoutMs` has passed; returns the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = kWaitBoundMs);

// Pumps for a while so that posted requests and paints are taken.
void PumpFor(int milliseconds);

// What a message box showed.
struct SeenBox {
  std::string title;  // code page 936, as the program wrote it
  std::string text;
  bool ownerDisabled = false;
  LONG style = 0;
  int buttons = 0;
  bool hasIcon = false;
};

// Watches for message boxes of this process and presses their first button
// after `delayMs`, recording what each showed. The delay gives a test time
// to look at the program while the box is up (see `onShown`).
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(int delayMs = 0, std::function<void(HWND)> onShown = nullptr);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  int Count() const { return count_.load(); }
  SeenBox Last() const;

 private:
  void Run();

  friend void ReportMessageBoxesToStderr();

  int delayMs_;
  std::atomic<bool> report_{false};
  std::function<void(HWND)> onShown_;
  std::atomic<bool> stop_{false};
  std::atomic<int> count_{0};
  mutable std::mutex mutex_;
  SeenBox last_;
  std::thread thread_;
};

// Starts a watcher, for the rest of the process, that writes one line per
// message box to stderr (BoxReport's form) and then presses its first button:
// how a test in a dying child process tells its parent what it saw.
void ReportMessageBoxesToStderr();

// The line ReportMessageBoxesToStderr writes for a box; texts are hex bytes.
std::string BoxReport(const std::string& title, const std::string& text, bool icon, int buttons);

// Sends a key press (down and up) through the system's input queue.
void PressKey(WORD key, bool shift = false, bool ctrl = false, bool alt = false);

// Posts a key press straight to `target`'s queue, with the modifiers set in
// the thread's key state, as the system's own input would leave it.
void PostKey(HWND target, WORD key, bool shift = false, bool ctrl = false, bool alt = false);

// UTF-8 to code page 936 for expected values written in the tests.
std::string Cp936(const wchar_t* text);

// Windows loaded from test templates, and their controls.

// Loads a window for one test and destroys it at the end of the scope if it
// is still there.
class LoadedForTest {
 public:
  explicit LoadedForTest(const WindowTemplate& window);
  ~LoadedForTest();
  LoadedForTest(const LoadedForTest&) = delete;
  LoadedForTest& operator=(const LoadedForTest&) = delete;

  HWND Handle() const { return handle_; }

 private:
  const WindowTemplate& window_;
  HWND handle_ = nullptr;
};

// The child window of a loaded window's control; null when it has none.
HWND ControlHandle(const WindowTemplate& window, std::string_view control);

// Makes `window` the foreground window, as real input needs; false when the
// system would not.
bool MakeForeground(HWND window);

// A rectangle of a window's client area as its DC shows it, read in one go.
struct Pixels {
  RECT area{};  // client coordinates
  std::vector<COLORREF> colours;  // row by row

  COLORREF At(int x, int y) const {
    return colours.at(static_cast<std::size_t>((y - area.top) * (area.right - area.left) +
                                               (x - area.left)));
  }
  // How many pixels differ from `colour`.
  int CountOtherThan(COLORREF colour) const;
};

Pixels ReadPixels(HWND window, const RECT& area);

// Pumps until no message waits in the thread's queue, so that input sent
// before has had all its effects; false when the queue never empties.
bool PumpUntilIdle(int timeoutMs = kWaitBoundMs);

}  // namespace testing_support
