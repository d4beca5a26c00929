#include "toolkit/win32/controls/timer.h"

#include "toolkit/win32/events.h"

namespace toolkit {

void Timer::Create(HWND /*parent*/) {
  static UINT_PTR nextId = 1;
  if (settings_.periodMs <= 0) return;
  id_ = nextId++;
  if (!SetTimer(WindowHandle(), id_, static_cast<UINT>(settings_.periodMs), nullptr)) id_ = 0;
}

void Timer::OnTimer() { Raise(Template().events.periodic); }

void Timer::OnDestroy() {
  if (id_) KillTimer(WindowHandle(), id_);
  id_ = 0;
}

}  // namespace toolkit
