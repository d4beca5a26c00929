// The facade's windows: loading, unloading, and their properties.
#include "toolkit/toolkit.h"

#include "toolkit/win32/events.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/win32/window.h"

using toolkit::PropertyTarget;
using toolkit::Window;

namespace {

// The one answer to a window or control that is not loaded, and to a
// property that it lacks.
void RequireLoaded(bool loaded) {
  if (!loaded) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
}

Window& LoadedWindow(const WindowTemplate& tmpl) {
  Window* window = Window::Find(tmpl);
  RequireLoaded(window != nullptr);
  return *window;
}

// The window itself for an empty name; null when either is not loaded.
PropertyTarget* TargetOf(const WindowTemplate& tmpl, std::string_view control) {
  Window* window = Window::Find(tmpl);
  if (!window || control.empty()) return window;
  return window->FindControl(control);
}

// With dialog mode the program's other windows are disabled until this one is gone.
void RunModalFor(const WindowTemplate& tmpl, Window& window) {
  std::vector<HWND> disabled;
  for (HWND other = GetTopWindow(nullptr); other; other = GetWindow(other, GW_HWNDNEXT)) {
    Window* owner = Window::Containing(other);
    if (owner && owner != &window && IsWindowEnabled(other)) {
      EnableWindow(other, FALSE);
      disabled.push_back(other);
    }
  }
  const toolkit::NestedLoopScope nested;
  while (Window::Find(tmpl) && toolkit::PumpPendingMessages()) WaitMessage();
  for (HWND other : disabled)
    if (IsWindow(other)) EnableWindow(other, TRUE);
}

}  // namespace

void LoadStartupWindow(const WindowTemplate& window) {
  if (!LoadWindow(window)) RaiseRuntimeError(runtime_errors::StartupWindowFailed);
}

bool LoadWindow(const WindowTemplate& tmpl, const WindowTemplate* parent, bool dialog) {
  HWND owner = nullptr;
  if (parent) {
    Window* parentWindow = Window::Find(*parent);
    if (!parentWindow) return false;
    owner = parentWindow->Handle();
  }
  if (Window* open = Window::Find(tmpl)) {
    if (!open->WaitingToBeDestroyed()) {
      open->BringToFront();
      return true;
    }
    DestroyWindow(open->Handle());
  }
  Window* window = Window::Build(tmpl, owner);
  if (!window) return false;
  toolkit::Raise(tmpl.events.created);
  // The created handler may itself have unloaded the window.
  if (Window::Find(tmpl) != window) return true;
  if (tmpl.settings.visible) window->Show();
  if (dialog) RunModalFor(tmpl, *window);
  return true;
}

void UnloadWindow(const WindowTemplate& tmpl, bool immediately) {
  Window& window = LoadedWindow(tmpl);
  if (immediately) DestroyWindow(window.Handle());
  else window.RequestUnload();
}

bool IsWindowLoaded(const WindowTemplate& tmpl) {
  const Window* window = Window::Find(tmpl);
  return window && !window->WaitingToBeDestroyed();
}

HWND GetWindowHandle(const WindowTemplate& tmpl) { return LoadedWindow(tmpl).Handle(); }

template <class Value>
Value GetProperty(const WindowTemplate& tmpl, std::string_view control, Property<Value> property) {
  const PropertyTarget* target = TargetOf(tmpl, control);
  std::optional<Value> value = target ? target->Get(property) : std::nullopt;
  RequireLoaded(value.has_value());
  return std::move(*value);
}

template <class Value>
void SetProperty(const WindowTemplate& tmpl, std::string_view control, Property<Value> property,
                 PropertyArgument<Value> value) {
  PropertyTarget* target = TargetOf(tmpl, control);
  RequireLoaded(target && target->Set(property, value));
}

// The property types that descriptors exist for.
template int GetProperty(const WindowTemplate&, std::string_view, Property<int>);
template Colour GetProperty(const WindowTemplate&, std::string_view, Property<Colour>);
template std::string GetProperty(const WindowTemplate&, std::string_view, Property<std::string>);
template void SetProperty(const WindowTemplate&, std::string_view, Property<int>, int);
template void SetProperty(const WindowTemplate&, std::string_view, Property<Colour>, Colour);
template void SetProperty(const WindowTemplate&, std::string_view, Property<std::string>,
                          std::string_view);

int GetScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
