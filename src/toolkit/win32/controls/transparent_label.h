#pragma once
// A label with no background of its own: it draws only its caption, over
// whatever its window painted beneath it.
#include <string>

#include "toolkit/win32/controls/control.h"

namespace toolkit {

class TransparentLabel final : public Control {
 public:
  TransparentLabel(HWND window, const ControlTemplate& tmpl,
                   const TransparentLabelSettings& settings);

  void Create(HWND parent) override;
  bool TakesFocus() const override { return false; }
  bool SeeThrough() const override { return true; }
  void DrawOnWindow(HDC dc, const RECT& area) const override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool SetNumber(PropertyId id, std::int64_t value) override;
  std::optional<std::int64_t> GetNumber(PropertyId id) const override;
  bool SetText(PropertyId id, std::string_view value) override;
  std::optional<std::string> GetText(PropertyId id) const override;
  void Moved(const RECT& before) override;

 private:
  // The tests read the font and the DrawText flags that the label draws with.
  friend struct TransparentLabelProbe;

  // Draws the caption into `rect` of `dc`.
  void Paint(HDC dc, const RECT& rect) const;
  UINT DrawFlags() const;

  // A label's own paint message: drawn by its window, it hands its area to the window's paint.
  void OnPaint() const;

  // A label lying on its window is drawn by the window's paint, one frame
  // for all of them; one inside a container paints itself.
  bool DrawnByWindow() const;
  // Has `area` (parent coordinates) drawn again with every label on it.
  void Redraw(const RECT& area) const;
  // The per-label path inside a container: repaints the container beneath
  // `area`, then the see-through controls that meet it, bottom of the stack
  // first, then marks this label invalid.
  void RedrawOver(const RECT& area) const;
  void Changed() const { Redraw(RectInParent()); }

  const TransparentLabelSettings& settings_;
  std::string caption_;
  std::wstring wideCaption_;
  COLORREF colour_;
  LOGFONTW font_{};
  bool ownFont_ = false;
};

}  // namespace toolkit
