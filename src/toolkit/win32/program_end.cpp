// The three ways the program ends.
#include "toolkit/toolkit.h"
#include "toolkit/win32/codepage.h"
#include "toolkit/win32/events.h"
#include "toolkit/win32/loop_state.h"
#include "toolkit/win32/window.h"

void EndProgram(int exitCode) {
  toolkit::SetEndingMark();
  toolkit::Window::DestroyAll();
  RunExitRoutines();
  ExitProcess(static_cast<UINT>(exitCode));
}

void FinishProgram() {
  RunExitRoutines();
  ExitProcess(static_cast<UINT>(toolkit::QuitCode()));
}

void ShowRuntimeErrorAndExit(int code, std::string_view message) {
  // A failure while the box is being put up (memory, say) ends at once.
  static bool reporting = false;
  if (reporting) ExitProcess(static_cast<UINT>(-1));
  reporting = true;
  toolkit::SetEndingMark();
  const std::wstring text = Widen(ComposeErrorBoxText(code, message));
  MessageBoxW(nullptr, text.c_str(), Widen("错误").c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
  DropExitRoutines();
  toolkit::Window::DestroyAll();
  ExitProcess(static_cast<UINT>(-1));
}
