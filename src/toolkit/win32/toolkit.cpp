// Loading and unloading windows, and their properties.
#include "toolkit/toolkit.h"

#include "toolkit/win32/events.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/win32/window.h"

using toolkit::Window;

namespace {

Window& LoadedWindow(const WindowTemplate& tmpl) {
  Window* window = Window::Find(tmpl);
  if (!window) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
  return *window;
}

toolkit::Control& LoadedControl(const WindowTemplate& tmpl, std::string_view name) {
  toolkit::Control* control = LoadedWindow(tmpl).FindControl(name);
  if (!control) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
  return *control;
}

std::int64_t ReadNumber(const WindowTemplate& tmpl, std::string_view control, PropertyId id) {
  const auto value = control.empty() ? LoadedWindow(tmpl).GetNumber(id)
                                     : LoadedControl(tmpl, control).GetNumber(id);
  if (!value) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
  return *value;
}

void WriteNumber(const WindowTemplate& tmpl, std::string_view control, PropertyId id,
                 std::int64_t value) {
  const bool written = control.empty() ? LoadedWindow(tmpl).SetNumber(id, value)
                                       : LoadedControl(tmpl, control).SetNumber(id, value);
  if (!written) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
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

int GetProperty(const WindowTemplate& tmpl, std::string_view control, Property<int> property) {
  return static_cast<int>(ReadNumber(tmpl, control, property.id));
}

Colour GetProperty(const WindowTemplate& tmpl, std::string_view control,
                   Property<Colour> property) {
  return static_cast<Colour>(ReadNumber(tmpl, control, property.id));
}

std::string GetProperty(const WindowTemplate& tmpl, std::string_view control,
                        Property<std::string> property) {
  auto text = LoadedControl(tmpl, control).GetText(property.id);
  if (!text) RaiseRuntimeError(runtime_errors::WindowNotLoaded);
  return std::move(*text);
}

void SetProperty(const WindowTemplate& tmpl, std::string_view control, Property<int> property,
                 int value) {
  WriteNumber(tmpl, control, property.id, value);
}

void SetProperty(const WindowTemplate& tmpl, std::string_view control, Property<Colour> property,
                 Colour value) {
  WriteNumber(tmpl, control, property.id, value);
}

void SetProperty(const WindowTemplate& tmpl, std::string_view control,
                 Property<std::string> property, std::string_view value) {
  if (!LoadedControl(tmpl, control).SetText(property.id, value))
    RaiseRuntimeError(runtime_errors::WindowNotLoaded);
}

int GetScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
