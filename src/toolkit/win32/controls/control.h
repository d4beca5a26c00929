#pragma once
// The base of every control kind. A control knows the window it belongs to
// by its handle, and its own native window knows the control, from its
// creation on: a window of one of the toolkit's own classes from
// lpCreateParams, a system control from its subclass's reference data. The window passes back to a control
// the notifications that it sent (WM_COMMAND, WM_CTLCOLOR*, its timer), so
// each kind handles its own.
#include <windows.h>

#include <optional>
#include <string_view>

#include "toolkit/core/template.h"
#include "toolkit/win32/property_target.h"

namespace toolkit {

class Control : public PropertyTarget {
 public:
  Control(HWND window, const ControlTemplate& tmpl) : window_(window), tmpl_(tmpl) {}

  // The control that `handle` is; null for any other window.
  static Control* FromHandle(HWND handle);

  // Passes a child's WM_COMMAND or WM_CTLCOLOR* back to the control that sent
  // it; false for other messages, or when the control leaves it to the system.
  static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  const ControlTemplate& Template() const { return tmpl_; }
  std::string_view Name() const { return tmpl_.name; }
  HWND WindowHandle() const { return window_; }  // the window it belongs to
  HWND Handle() const { return handle_; }        // null for kinds without a window

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
  // Holds other controls, and the system's hit-testing passes through it: a
  // press on it is looked for inside it, and with drag anywhere it moves the window.
  virtual bool IsContainer() const { return false; }
  // Has no background of its own: what lies beneath shows through it.
  virtual bool SeeThrough() const { return false; }
  // Draws the control into its window's paint where it meets `area` (the
  // window's client coordinates); kinds that paint themselves draw nothing.
  virtual void DrawOnWindow(HDC /*dc*/, const RECT& /*area*/) const {}

  // The control's rectangle in its parent's client coordinates.
  RECT RectInParent() const;

 protected:
  // Creates the control's child window, hidden, at its template place. A
  // system class is subclassed, so that its messages reach HandleMessage too.
  HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
                   std::string_view text);

  // Registers a class of the kind's own, whose messages go to HandleMessage.
  static bool RegisterOwnClass(const wchar_t* name, HBRUSH background);

  // The messages of the control's own window; what a kind leaves unhandled
  // goes on to the system.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Called after the control was moved or resized from `before` (parent coordinates).
  virtual void Moved(const RECT& before);

  std::optional<RECT> Bounds() const override;
  void MoveTo(const RECT& before, int left, int width) override;

  HWND handle_ = nullptr;

 private:
  static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  // Both procedures: the lookup's question, then HandleMessage.
  LRESULT Answer(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_;
  const ControlTemplate& tmpl_;
  bool subclassed_ = false;
};

}  // namespace toolkit
