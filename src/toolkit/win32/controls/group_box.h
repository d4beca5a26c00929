#pragma once
// A system group box that contains other controls: their places are relative
// to it, and it passes their notifications on to them.
#include "toolkit/win32/controls/control.h"

namespace toolkit {

class GroupBox final : public Control {
 public:
  GroupBox(HWND window, const ControlTemplate& tmpl, const GroupBoxSettings& settings)
      : Control(window, tmpl), settings_(settings) {}

  void Create(HWND parent) override;
  HBRUSH OnColour(HDC dc) override;
  bool TakesFocus() const override { return false; }
  bool IsContainer() const override { return true; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const GroupBoxSettings& settings_;
};

}  // namespace toolkit
