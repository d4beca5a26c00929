#pragma once
// A label with no background of its own: it draws only its caption, over
// whatever its window painted beneath it.
#include <string>

#include "toolkit/control.h"

namespace toolkit {

inline constexpr wchar_t kTransparentLabelClass[] = L"QuillaroTransparentLabel";

class TransparentLabel final : public Control {
 public:
  TransparentLabel(Window& window, const ControlTemplate& tmpl,
                   const TransparentLabelSettings& settings);

  void Create(HWND parent) override;
  bool TakesFocus() const override { return false; }
  bool SetNumber(PropertyId id, std::int64_t value) override;
  std::optional<std::int64_t> GetNumber(PropertyId id) const override;
  bool SetText(PropertyId id, std::string_view value) override;
  std::optional<std::string> GetText(PropertyId id) const override;

  void Paint(HDC dc) const;
  const LOGFONTW& LogFont() const { return font_; }
  UINT DrawFlags() const;

  static LRESULT CALLBACK LabelProc(HWND, UINT, WPARAM, LPARAM);

 protected:
  void Moved(const RECT& before) override;


 private:
  // Repaints the window beneath `area` (parent coordinates), then the labels
  // that meet it, bottom of the stack first, then marks this label invalid.
  void RedrawOver(const RECT& area) const;
  void Changed() const { RedrawOver(RectInParent()); }

  const TransparentLabelSettings& settings_;
  std::string caption_;
  std::wstring wideCaption_;
  COLORREF colour_;
  LOGFONTW font_{};
  bool ownFont_ = false;
};

void RegisterTransparentLabelClass();

}  // namespace toolkit
