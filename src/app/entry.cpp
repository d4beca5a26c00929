#include "app/entry.h"

#include "text/danmaku_lines.h"
#include "toolkit/toolkit.h"
#include "ui/main_window.h"

int QuillaroEntry() {
  StartToolkit();
  CreateEmptyLines();
  RegisterExitRoutine(ReleaseLines);
  LoadStartupWindow(MainWindow);
  RunMessageLoop();
  return 0;
}
