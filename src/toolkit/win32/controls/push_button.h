#pragma once
// A system push button; it raises its clicked event.
#include "toolkit/win32/controls/control.h"

namespace toolkit {

class PushButton final : public Control {
 public:
  PushButton(HWND window, const ControlTemplate& tmpl, const PushButtonSettings& settings)
      : Control(window, tmpl), settings_(settings) {}

  void Create(HWND parent) override;
  void OnCommand(int notification) override;
  bool IsDefaultButton() const override { return settings_.defaultButton; }
  void Click() override;

 private:
  const PushButtonSettings& settings_;
};

}  // namespace toolkit
