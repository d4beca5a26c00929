#pragma once
// What the tests of MainWindow and OverlayWindow share: the default lines,
// the controls behind their names, and opening and closing the two windows.
#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "case_name.h"
#include "text/danmaku_lines.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/controls/transparent_label.h"
#include "toolkit/win32/window.h"
#include "ui/main_window.h"
#include "ui/overlay_window.h"
#include "win_test_support.h"

namespace toolkit {

// What the tests read of a label's drawing: its font, its DrawText flags,
// and a paint into a DC of their own.
struct TransparentLabelProbe {
  const TransparentLabel& label;

  HWND Handle() const { return label.Handle(); }
  const LOGFONTW& LogFont() const { return label.font_; }
  UINT DrawFlags() const { return label.DrawFlags(); }
  void Paint(HDC dc, const RECT& rect) const { label.Paint(dc, rect); }
};

}  // namespace toolkit

namespace ui_test {

inline constexpr std::array<const wchar_t*, 10> kDefaultLines{
    L"进度条要搞事情", L"你对力量一无所知",     L"特意上号给5角",
    L"来早了，没有弹幕。。。", L"放开那个人，让我来", L"高能预警",
    L"xx出来，我们谈谈人生",   L"放学别走我保证打不死你！", L"说高能的出来",
    L"膝蓋中箭"};

// Lines joined as the edit box holds them: CR LF between, none after the last.
inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

inline std::string DefaultLine(int i) { return testing_support::Cp936(kDefaultLines[i - 1]); }

inline std::string DefaultContent() {
  std::vector<std::string> lines;
  for (int i = 1; i <= 10; ++i) lines.push_back(DefaultLine(i));
  return JoinLines(lines);
}

// `count` short lines "line1", "line2" ...; `blankAt` (from 1) leaves one empty.
inline std::string NumberedLines(int count, int blankAt = 0) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back(i == blankAt ? "" : "line" + std::to_string(i));
  return JoinLines(lines);
}

inline const std::string kEditBox = testing_support::Cp936(L"编辑框1");
inline const std::string kStartButton = testing_support::Cp936(L"按钮1");
inline const std::string kEndButton = testing_support::Cp936(L"按钮2");

// A click as the button's own, through the system.
inline void Click(const std::string& button) {
  SendMessageW(testing_support::ControlHandle(MainWindow, button), BM_CLICK, 0, 0);
}

// "透明标签1" ... "透明标签10", in code page 936.
inline std::string LabelName(int i) {
  return testing_support::Cp936(L"透明标签") + std::to_string(i);
}

inline toolkit::Control& ControlOf(const WindowTemplate& window, std::string_view name) {
  return *toolkit::Window::Find(window)->FindControl(name);
}

inline HWND HandleOf(const WindowTemplate& window, std::string_view name) {
  return ControlOf(window, name).Handle();
}

// Label `i` of the overlay, as far as the tests read its drawing.
inline toolkit::TransparentLabelProbe LabelOf(int i) {
  return {dynamic_cast<const toolkit::TransparentLabel&>(ControlOf(OverlayWindow, LabelName(i)))};
}

// Cases about one label are named after it: "Label3".
struct LabelCaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return "Label" + std::to_string(info.param.label);
  }
};

inline int LeftOf(int label) { return GetProperty(OverlayWindow, LabelName(label), Left); }

// Driven ticks then stand alone: the real timer no longer moves the labels.
inline void StopOverlayTimer() {
  const toolkit::Control& timer = ControlOf(OverlayWindow, testing_support::Cp936(L"时钟1"));
  KillTimer(GetWindowHandle(OverlayWindow), timer.TimerId());
}

// Waits without pumping, for a thread other than the GUI thread.
template <class Condition>
bool WaitFor(Condition condition, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

// Puts `content` in danmakuLines and opens the overlay from it.
inline void OpenOverlay(std::string_view content) {
  ReplaceLines(content);
  LoadWindow(OverlayWindow);
}

// The overlay with the default lines, standing still (its timer stopped)
// and wholly painted; its handle.
inline HWND OpenStillOverlay() {
  CreateEmptyLines();
  OpenOverlay(DefaultContent());
  if (!IsWindowLoaded(OverlayWindow)) return nullptr;
  StopOverlayTimer();
  const HWND overlay = GetWindowHandle(OverlayWindow);
  RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return overlay;
}

// Closes both windows and waits until they are gone; closing MainWindow
// opens the overlay once more and unloads it on a later turn.
inline void CloseProgramWindows() {
  if (IsWindowLoaded(MainWindow)) UnloadWindow(MainWindow, true);
  if (IsWindowLoaded(OverlayWindow)) UnloadWindow(OverlayWindow, true);
  testing_support::PumpUntil([] {
    return !toolkit::Window::Find(MainWindow) && !toolkit::Window::Find(OverlayWindow);
  });
}

}  // namespace ui_test
