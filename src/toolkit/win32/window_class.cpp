#include "toolkit/win32/window_class.h"


namespace toolkit {
namespace {

constexpr wchar_t kOwnerClass[] = L"QuillaroOwner";
constexpr int kProgramIconId = 1;

ATOM windowClassAtom = 0;

// Shared icons are the system's to free.
HICON ProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

void RegisterWindowClasses() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window{};
  window.cbSize = sizeof window;
  window.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window.lpfnWndProc = WindowProc;
  window.hInstance = instance;
  // The class carries the program's icon in both sizes, so every window
  // shows it (caption, task bar, Alt+Tab) without one of its own.
  window.hIcon = ProgramIcon(instance, GetSystemMetrics(SM_CXICON));
  window.hIconSm = ProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
  window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window.hbrBackground = nullptr;  // each paint fills with the template's colour
  window.lpszClassName = kWindowClass;
  windowClassAtom = RegisterClassExW(&window);

  WNDCLASSEXW owner{};
  owner.cbSize = sizeof owner;
  owner.lpfnWndProc = DefWindowProcW;
  owner.hInstance = instance;
  owner.lpszClassName = kOwnerClass;
  RegisterClassExW(&owner);
}

ATOM WindowClassAtom() { return windowClassAtom; }

HWND HiddenOwner() {
  static HWND owner = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  return owner;
}

}  // namespace toolkit
