#pragma once
// The base of every control kind. A control belongs to its window; the
// window passes back to it the notifications that it sent (WM_COMMAND,
// WM_CTLCOLOR*, its timer), so each kind handles its own.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/properties.h"
#include "toolkit/core/template.h"

namespace toolkit {

class Window;

class Control {
 public:
  Control(Window& window, const ControlTemplate& tmpl) : window_(window), tmpl_(tmpl) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlTemplate& Template() const { return tmpl_; }
  std::string_view Name() const { return tmpl_.name; }
  Window& OwnerWindow() const { return window_; }
  HWND Handle() const { return handle_; }  // null for kinds without a window

  // Creates the control hidden inside `parent`.
  virtual void Create(HWND parent) = 0;

  virtual void OnCommand(int /*notification*/) {}
  virtual HBRUSH OnColour(HDC /*dc*/) { return nullptr; }
  virtual void OnTimer() {}
  virtual void OnDestroy() {}

  // A key that the control keeps for itself, ahead of the window's keyboard settings.
  virtual bool KeepsKey(WPARAM /*key*/) const { return false; }
  virtual bool IsDefaultButton() const { return false; }
  virtual void Click() {}
  virtual bool TakesFocus() const { return Handle() != nullptr; }
  // The id of the window timer that the control runs, 0 for none.
  virtual UINT_PTR TimerId() const { return 0; }
  // Draws the control into its window's paint where it meets `area` (the
  // window's client coordinates); kinds that paint themselves draw nothing.
  virtual void DrawOnWindow(HDC /*dc*/, const RECT& /*area*/) const {}

  // Properties; false or nullopt where the kind has no such property.
  virtual bool SetNumber(PropertyId id, std::int64_t value);
  virtual std::optional<std::int64_t> GetNumber(PropertyId id) const;
  virtual bool SetText(PropertyId /*id*/, std::string_view /*value*/) { return false; }
  virtual std::optional<std::string> GetText(PropertyId /*id*/) const { return std::nullopt; }

 protected:
  // Creates the control's child window, hidden, at its template place.
  HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
                   std::string_view text);

  // Called after the control was moved or resized from `before` (parent coordinates).
  virtual void Moved(const RECT& before);

  // The control's rectangle in its parent's client coordinates.
  RECT RectInParent() const;

  HWND handle_ = nullptr;

 private:
  Window& window_;
  const ControlTemplate& tmpl_;
};

std::unique_ptr<Control> MakeControl(Window& window, const ControlTemplate& tmpl);

// The system colour behind kButtonFaceColour, or the colour itself.
COLORREF ResolveColour(Colour colour);

// Sets a control's text and background colours for a WM_CTLCOLOR* answer and
// returns the DC brush in the background colour, so no GDI object is made.
HBRUSH SetControlColours(HDC dc, Colour text, Colour background);

}  // namespace toolkit
