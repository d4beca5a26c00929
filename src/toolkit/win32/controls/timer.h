#pragma once
// A window timer: its periodic event comes from WM_TIMER, which the system
// merges while the thread is busy and which modal loops dispatch too.
#include "toolkit/win32/controls/control.h"

namespace toolkit {

class Timer final : public Control {
 public:
  Timer(HWND window, const ControlTemplate& tmpl, const TimerSettings& settings)
      : Control(window, tmpl), settings_(settings) {}

  void Create(HWND parent) override;
  void OnTimer() override;
  void OnDestroy() override;
  UINT_PTR TimerId() const override { return id_; }
  bool TakesFocus() const override { return false; }

 private:
  const TimerSettings& settings_;
  UINT_PTR id_ = 0;
};

}  // namespace toolkit
