#pragma once
// What the program uses of the toolkit: windows loaded from templates,
// properties, the message loop, message boxes and the ways the program ends.
// Every call is made on the GUI thread.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/exit_routines.h"
#include "toolkit/core/properties.h"
#include "toolkit/core/runtime_error.h"
#include "toolkit/core/template.h"

// Readies the toolkit; the first call of the program.
void StartToolkit();

// Loads the start-up window; a failure is the run-time error "载入启动窗口失败".
void LoadStartupWindow(const WindowTemplate& window);

// Loads `window` from its template. An open window is only restored or
// activated; one waiting to be destroyed is destroyed at once and built anew.
// With `dialog`, the program's other windows are disabled until it is gone.
bool LoadWindow(const WindowTemplate& window, const WindowTemplate* parent = nullptr,
                bool dialog = false);

// Destroys `window`: at once with `immediately`, otherwise on a later turn
// of the message loop. A window that is not loaded is a run-time error.
void UnloadWindow(const WindowTemplate& window, bool immediately = false);

// Whether `window` is loaded and not waiting to be destroyed.
bool IsWindowLoaded(const WindowTemplate& window);

// The native handle of a loaded window.
HWND GetWindowHandle(const WindowTemplate& window);

// Properties of a control, or of the window itself when `control` is empty.
// A window or control that is not loaded, or a property that it lacks, is
// the run-time error "指定窗口或窗口组件不存在或尚未载入".
template <class Value>
Value GetProperty(const WindowTemplate& window, std::string_view control,
                  Property<Value> property);
template <class Value>
void SetProperty(const WindowTemplate& window, std::string_view control, Property<Value> property,
                 PropertyArgument<Value> value);

// Dispatches messages until the quit request; returns at once when no window
// of the program exists.
void RunMessageLoop();

// A message box, modal for the whole program unless MB_SYSTEMMODAL is given.
// The result codes the pressed button: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6.
int ShowMessageBox(std::string_view message, unsigned style,
                   std::optional<std::string_view> title = std::nullopt,
                   const WindowTemplate* owner = nullptr);

// The primary screen's width in pixels.
int GetScreenWidth();

// Ends the program on request: no handler runs any more, every window goes,
// the exit routines run, and the process ends with `exitCode`.
[[noreturn]] void EndProgram(int exitCode);

// The normal end after the message loop: runs the exit routines and ends the
// process with the quit request's code.
[[noreturn]] void FinishProgram();
