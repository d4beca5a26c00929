#include <windows.h>

#include "app/entry.h"
#include "toolkit/toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  QuillaroEntry();
  FinishProgram();
}
