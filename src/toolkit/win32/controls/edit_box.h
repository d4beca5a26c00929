#pragma once
// A system edit control with the template's border, colours and input rules.
#include "toolkit/win32/controls/control.h"

namespace toolkit {

class EditBox final : public Control {
 public:
  EditBox(HWND window, const ControlTemplate& tmpl, const EditBoxSettings& settings)
      : Control(window, tmpl), settings_(settings) {}

  void Create(HWND parent) override;
  HBRUSH OnColour(HDC dc) override;
  bool KeepsKey(WPARAM key) const override;

 protected:
  bool SetText(PropertyId id, std::string_view value) override;
  std::optional<std::string> GetText(PropertyId id) const override;

 private:
  const EditBoxSettings& settings_;
};

}  // namespace toolkit
