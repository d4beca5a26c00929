#pragma once
// The window classes of the program's windows and of their hidden owner.
#include <windows.h>

namespace toolkit {

inline constexpr wchar_t kWindowClass[] = L"QuillaroWindow";

// The class's procedure, with the window core.
LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the classes; called by StartToolkit.
void RegisterWindowClasses();

// The atom of kWindowClass, 0 before RegisterWindowClasses.
ATOM WindowClassAtom();

// The hidden window that owns windows kept out of the task bar.
HWND HiddenOwner();

}  // namespace toolkit
