#pragma once
// The toolkit's own window classes. A window of one keeps the object that it
// was created for (CreateWindowEx's lpCreateParams) in GWLP_USERDATA, from
// WM_NCCREATE to WM_NCDESTROY; nothing else touches GWLP_USERDATA.
#include <windows.h>

namespace toolkit {

// For an own class's procedure: the object of `handle` while it handles
// `message`; null before WM_NCCREATE and after WM_NCDESTROY.
void* KeptObject(HWND handle, UINT message, LPARAM lParam);

// The object of `handle` when it is a window of this thread of the class
// `atom`; null for any other window, another program's too.
void* OwnObject(HWND handle, ATOM atom);

}  // namespace toolkit
