#include "toolkit/win32/window.h"

#include <algorithm>

#include "toolkit/core/tab_order.h"
#include "toolkit/win32/codepage.h"
#include "toolkit/win32/controls/make_control.h"
#include "toolkit/win32/events.h"
#include "toolkit/win32/loop_state.h"
#include "toolkit/win32/own_class.h"
#include "toolkit/win32/window_class.h"
#include "toolkit/win32/window_styles.h"

namespace toolkit {
namespace {

std::vector<std::unique_ptr<Window>>& Registry() {
  static std::vector<std::unique_ptr<Window>> windows;
  return windows;
}

Place StartPlace(const WindowTemplate& tmpl) {
  Place place = tmpl.place;
  if (tmpl.settings.startPosition == StartPosition::Centred) {
    place.left = (GetSystemMetrics(SM_CXSCREEN) - place.width) / 2;
    place.top = (GetSystemMetrics(SM_CYSCREEN) - place.height) / 2;
  }
  return place;
}

}  // namespace

Window* Window::Build(const WindowTemplate& tmpl, HWND owner) {
  BuildScope holdEvents;
  Registry().push_back(std::make_unique<Window>(tmpl));
  Window* window = Registry().back().get();

  const WindowStyles styles = StylesFor(tmpl.settings);
  const Place place = StartPlace(tmpl);
  if (!owner && !tmpl.settings.showInTaskBar) owner = HiddenOwner();
  const HWND handle = CreateWindowExW(
      styles.extendedStyle, kWindowClass, Widen(tmpl.settings.title).c_str(), styles.style,
      place.left, place.top, place.width, place.height, owner, nullptr, GetModuleHandleW(nullptr),
      window);
  if (!handle) {
    Forget(window);
    return nullptr;
  }
  // The system gives every overlapped window a caption; the template's styles
  // are put back, keeping the outer size. Only WS_CLIPSIBLINGS, which every
  // top-level window keeps, stays beyond them.
  SetWindowLongW(handle, GWL_STYLE, static_cast<LONG>(styles.style));
  SetWindowLongW(handle, GWL_EXSTYLE, static_cast<LONG>(styles.extendedStyle));
  SetWindowPos(handle, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

  if (!tmpl.settings.movable) DeleteMenu(GetSystemMenu(handle, FALSE), SC_MOVE, MF_BYCOMMAND);
  if (tmpl.settings.alwaysOnTop)
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  window->BuildControls();
  return window;
}

namespace {
// The sibling listed last before the control being built, inside `parent`.
HWND LastBuiltIn(const std::vector<std::unique_ptr<Control>>& built, HWND parent) {
  for (auto it = built.rbegin(); it != built.rend(); ++it)
    if ((*it)->Handle() && GetParent((*it)->Handle()) == parent) return (*it)->Handle();
  return nullptr;
}
}  // namespace

void Window::BuildControls() {
  for (const ControlTemplate& tmpl : tmpl_.controls) {
    Control* container = tmpl.parent ? FindControl(tmpl.parent) : nullptr;
    const HWND parent = container && container->Handle() ? container->Handle() : handle_;
    // List order is stacking order: each control goes directly beneath the
    // sibling listed before it (HWND_TOP for the first), even when controls
    // of a group box were built in between.
    const HWND previous = LastBuiltIn(controls_, parent);
    controls_.push_back(MakeControl(handle_, tmpl));
    Control& control = *controls_.back();
    control.Create(parent);
    if (!control.Handle()) continue;
    SetWindowPos(control.Handle(), previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  for (const auto& control : controls_)
    if (control->Handle() && control->Template().visible) ShowWindow(control->Handle(), SW_SHOWNA);
}

Window* Window::Find(const WindowTemplate& tmpl) {
  for (const auto& window : Registry())
    if (&window->tmpl_ == &tmpl && window->handle_) return window.get();
  return nullptr;
}

Window* Window::Containing(HWND handle) {
  if (!handle) return nullptr;
  return static_cast<Window*>(OwnObject(GetAncestor(handle, GA_ROOT), WindowClassAtom()));
}

bool Window::AnyLeft() { return !Registry().empty(); }

void Window::DestroyAll() {
  std::vector<HWND> handles;
  for (const auto& window : Registry()) handles.push_back(window->handle_);
  for (HWND handle : handles)
    if (IsWindow(handle)) DestroyWindow(handle);
}

void Window::Forget(Window* window) {
  auto& windows = Registry();
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [&](const auto& entry) { return entry.get() == window; }),
                windows.end());
  // After a run-time error or EndProgram a quit request would only cut the
  // error box short; the ending path ends the process itself.
  if (windows.empty() && LoopRunning() && !EndingMarkSet()) PostQuitMessage(0);
}

void Window::RequestUnload() {
  waiting_ = true;
  PostMessageW(handle_, kUnloadRequest, 0, 0);
}

void Window::Show() {
  int command = SW_SHOWNORMAL;
  if (tmpl_.settings.startPosition == StartPosition::Minimised) command = SW_SHOWMINIMIZED;
  if (tmpl_.settings.startPosition == StartPosition::Maximised) command = SW_SHOWMAXIMIZED;
  ShowWindow(handle_, command);
}

void Window::BringToFront() {
  if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
  else SetForegroundWindow(handle_);
}

Control* Window::FindControl(std::string_view name) const {
  for (const auto& control : controls_)
    if (control->Name() == name) return control.get();
  return nullptr;
}

Control* Window::ControlFromHandle(HWND handle) const {
  Control* control = Control::FromHandle(handle);
  return control && control->WindowHandle() == handle_ ? control : nullptr;
}

namespace {
std::vector<TabEntry> TabEntries(const std::vector<std::unique_ptr<Control>>& controls) {
  std::vector<TabEntry> entries;
  for (const auto& control : controls) {
    const HWND handle = control->Handle();
    const bool eligible = control->Template().tabStop && control->TakesFocus() &&
                          IsWindowVisible(handle) && IsWindowEnabled(handle);
    entries.push_back({control->Template().tabOrder, eligible});
  }
  return entries;
}

int IndexOf(const std::vector<std::unique_ptr<Control>>& controls, const Control* control) {
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].get() == control) return static_cast<int>(i);
  return -1;
}
}  // namespace

void Window::StepFocus(int step) {
  const int current = IndexOf(controls_, ControlFromHandle(GetFocus()));
  const int next = StepTabOrder(TabEntries(controls_), current, step);
  if (next >= 0) SetFocus(controls_[static_cast<std::size_t>(next)]->Handle());
}

void Window::RememberFocus() {
  const HWND focus = GetFocus();
  if (ControlFromHandle(focus)) lastFocus_ = focus;
}

void Window::RestoreFocus() {
  if (ControlFromHandle(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  const int first = InitialFocus(TabEntries(controls_));
  if (first >= 0) SetFocus(controls_[static_cast<std::size_t>(first)]->Handle());
}

Control* Window::DefaultButton() const {
  for (const auto& control : controls_)
    if (control->IsDefaultButton()) return control.get();
  return nullptr;
}

std::optional<RECT> Window::Bounds() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  return rect;
}

void Window::MoveTo(const RECT& before, int left, int width) {
  SetWindowPos(handle_, nullptr, left, before.top, width, before.bottom - before.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace toolkit
