#pragma once
// A loaded window: its native window, its controls and its lifecycle. One
// static window procedure serves every window of the program and finds the
// object from the handle (own_class.h).
#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/core/template.h"
#include "toolkit/win32/controls/control.h"
#include "toolkit/win32/property_target.h"

namespace toolkit {

// Posted by a deferred unload; the window is destroyed when the loop takes it.
inline constexpr UINT kUnloadRequest = WM_APP + 1;

class Window final : public PropertyTarget {
 public:
  explicit Window(const WindowTemplate& tmpl) : tmpl_(tmpl) {}

  // Creates the window hidden and its controls in template order, with every
  // event held back. Null when the system refuses the window.
  static Window* Build(const WindowTemplate& tmpl, HWND owner);

  // The live window built from `tmpl`, waiting to be destroyed or not.
  static Window* Find(const WindowTemplate& tmpl);
  // The program window that `handle` is, or lies inside.
  static Window* Containing(HWND handle);
  static bool AnyLeft();
  // Destroys every window of the program at once.
  static void DestroyAll();

  const WindowTemplate& Template() const { return tmpl_; }
  HWND Handle() const { return handle_; }
  bool WaitingToBeDestroyed() const { return waiting_; }
  void RequestUnload();

  void Show();
  void BringToFront();

  Control* FindControl(std::string_view name) const;
  // The control of this window that `handle` is; null for any other window.
  Control* ControlFromHandle(HWND handle) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Keyboard focus among the controls.
  void StepFocus(int step);
  void RestoreFocus();
  Control* DefaultButton() const;

 protected:
  std::optional<RECT> Bounds() const override;
  void MoveTo(const RECT& before, int left, int width) override;

 private:
  friend LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

  void BuildControls();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void RememberFocus();
  void OnDestroy();
  static void Forget(Window* window);

  const WindowTemplate& tmpl_;
  HWND handle_ = nullptr;
  bool waiting_ = false;
  HWND lastFocus_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace toolkit
