#pragma once
// A loaded window: its native window, its controls and its lifecycle. One
// static window procedure serves every window of the program and finds the
// object from the handle through GWLP_USERDATA, set at WM_NCCREATE.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/win32/controls/control.h"
#include "toolkit/core/template.h"

namespace toolkit {

// Posted by a deferred unload; the window is destroyed when the loop takes it.
inline constexpr UINT kUnloadRequest = WM_APP + 1;

inline constexpr wchar_t kWindowClass[] = L"QuillaroWindow";

class Window {
 public:
  explicit Window(const WindowTemplate& tmpl) : tmpl_(tmpl) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

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
  Control* ControlFromHandle(HWND handle) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Keyboard focus among the controls.
  void StepFocus(int step);
  void RestoreFocus();
  Control* DefaultButton() const;

  // Left and width of the window itself, in screen coordinates.
  bool SetNumber(PropertyId id, std::int64_t value);
  std::optional<std::int64_t> GetNumber(PropertyId id) const;

 private:
  friend LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

  void BuildControls();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
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

LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Passes a child's WM_COMMAND or WM_CTLCOLOR* back to the control that sent it;
// group boxes forward their children's notifications here too.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Registers the window classes; called by StartToolkit.
void RegisterWindowClasses();

// The hidden window that owns windows kept out of the task bar.
HWND HiddenOwner();

}  // namespace toolkit
