// The smallest program that shows a window and runs a message loop, built
// and linked like quillaro.exe: the baseline for the whole-process figures.
// Esc closes it.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) DestroyWindow(window);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MinimalProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"QuillaroMinimal";
  RegisterClassW(&windowClass);
  CreateWindowExW(0, windowClass.lpszClassName, L"quillaro minimal window",
                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 300, 454, 307, nullptr, nullptr,
                  instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
