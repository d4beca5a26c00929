#include "ui/main_window.h"

#include "text/danmaku_lines.h"
#include "toolkit/toolkit.h"
#include "ui/overlay_window.h"

namespace {
constexpr int kRequiredLines = 10;

// Puts the edit box's lines in place of danmakuLines.
void TakeLinesFromEditBox() { ReplaceLines(GetProperty(MainWindow, "编辑框1", Content)); }
}  // namespace

void OnMainWindowCreated() {}

void OnStartClicked() {
  // The lines are replaced whatever the count: a rejected list stays in place.
  TakeLinesFromEditBox();
  if (LineCount() == kRequiredLines) LoadWindow(OverlayWindow);
  else ShowMessageBox("弹幕内容必须是10条哦，亲", 0);
}

void OnEndClicked() {
  // End with no overlay open (before Start, after End, after Esc) does nothing.
  if (IsWindowLoaded(OverlayWindow)) UnloadWindow(OverlayWindow);
}

void OnMainWindowDestroying() {
  TakeLinesFromEditBox();
  // Loading first makes sure that there is an overlay to unload.
  LoadWindow(OverlayWindow);
  UnloadWindow(OverlayWindow);
}
