// Start-up of the toolkit and the three ways the program ends.
#include "toolkit/win32/codepage.h"
#include "toolkit/win32/events.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/window.h"

namespace {

// Limits DLL look-ups by name to the system folder. Resolved at run time,
// since older systems lack the function; kernel32 is always loaded already.
void HardenDllSearch() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return;
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

void StartToolkit() {
  static bool started = false;
  if (started) return;
  started = true;
  HardenDllSearch();
  toolkit::RegisterWindowClasses();
}

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
