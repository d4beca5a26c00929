#include "toolkit/win32/own_class.h"

namespace toolkit {

void* KeptObject(HWND handle, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  void* object = reinterpret_cast<void*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
  return object;
}

void* OwnObject(HWND handle, ATOM atom) {
  // GWLP_USERDATA means something else in another program's windows.
  if (!handle || !atom || GetWindowThreadProcessId(handle, nullptr) != GetCurrentThreadId())
    return nullptr;
  if (GetClassWord(handle, GCW_ATOM) != atom) return nullptr;
  return reinterpret_cast<void*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

}  // namespace toolkit
