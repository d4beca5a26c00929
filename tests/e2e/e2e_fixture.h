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
  void Launch(const std::string& lang);
  QuillaroApp& App() { return *app_; }
  // Return on the box once it has the keyboard; the box must then go.
  void DismissMessageBox(WindowId box);
  // A plain Esc in MainWindow, after a click into the edit box: the
  // program must end with exit code 0 and leave no window.
  void CloseMainWindowWithEsc(std::chrono::milliseconds timeout = 30s);
  void ExpectExitCodeZeroAndNoWindow(std::chrono::milliseconds timeout = 30s);

 private:
  std::unique_ptr<QuillaroApp> app_;
};

}  // namespace e2e
