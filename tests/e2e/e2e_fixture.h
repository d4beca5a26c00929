#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "quillaro_app.h"

namespace e2e {

inline constexpr const char* kChineseLang = "zh_CN.UTF-8";  // Wine's ANSI code page 936
inline constexpr const char* kWesternLang = "C.UTF-8";      // code page 1252

// Each test starts a fresh quillaro.exe on the display that tools/test set up.
class EndToEndTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program and waits for MainWindow; prints how long it took.
  // With no prefix given, in the tools' own Wine prefix.
  void Launch(const std::string& lang, const std::string& prefix = "");
  QuillaroApp& App() { return *app_; }
  // Puts the X keyboard focus on `window` and sees it there. With no window
  // manager Wine activates its windows itself, but its own request for the
  // X focus is not always honoured (seen under load): the window is active
  // while the X focus stays where it was. Keys reach the active window
  // whichever of the program's X windows has the X focus; so a test sets
  // the X focus itself before it presses keys, and what the keys do shows
  // which window was active.
  void GiveKeyboardTo(WindowId window);
  // Return on the box; the box must then go.
  void DismissMessageBox(WindowId box);
  // A plain Esc in MainWindow, after a click into the edit box: the
  // program must end with exit code 0 and leave no window.
  void CloseMainWindowWithEsc(std::chrono::milliseconds timeout = kWaitBound);
  void ExpectExitCodeZeroAndNoWindow(std::chrono::milliseconds timeout = kWaitBound);

 private:
  // A failed test leaves a shot of the screen in the temporary folder.
  void SaveScreenForALook();
  std::unique_ptr<QuillaroApp> app_;
};

}  // namespace e2e
