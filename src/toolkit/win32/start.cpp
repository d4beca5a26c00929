// Start-up of the toolkit.
#include "toolkit/toolkit.h"
#include "toolkit/win32/window_class.h"

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
