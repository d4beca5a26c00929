#include "win_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/win32/codepage.h"
#include "toolkit/win32/message_loop.h"
#include "toolkit/win32/window.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    toolkit::PumpPendingMessages();
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

namespace {

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return Narrow(text);
}

struct BoxSearch {
  DWORD process;
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (process == search->process && IsWindowVisible(window) && wcscmp(cls, L"#32770") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct BoxParts {
  std::string text;
  std::vector<HWND> buttons;
  bool icon = false;
};

BOOL CALLBACK CollectParts(HWND child, LPARAM data) {
  auto* parts = reinterpret_cast<BoxParts*>(data);
  wchar_t cls[16] = {};
  GetClassNameW(child, cls, 16);
  if (_wcsicmp(cls, L"Button") == 0 && IsWindowVisible(child)) parts->buttons.push_back(child);
  if (_wcsicmp(cls, L"Static") == 0) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      if (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0)) parts->icon = true;
    } else {
      std::string text = TextOf(child);
      if (text.size() > parts->text.size()) parts->text = text;
    }
  }
  return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int delayMs, std::function<void(HWND)> onShown)
    : delayMs_(delayMs), onShown_(std::move(onShown)), thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

SeenBox MessageBoxWatcher::Last() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return last_;
}

void MessageBoxWatcher::Run() {
  while (!stop_) {
    BoxSearch search{GetCurrentProcessId()};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
      Sleep(10);
      continue;
    }
    Sleep(static_cast<DWORD>(delayMs_ + 50));  // let the box finish laying itself out
    BoxParts parts;
    EnumChildWindows(search.found, CollectParts, reinterpret_cast<LPARAM>(&parts));
    SeenBox seen;
    seen.title = TextOf(search.found);
    seen.text = parts.text;
    seen.buttons = static_cast<int>(parts.buttons.size());
    seen.hasIcon = parts.icon;
    seen.style = GetWindowLongW(search.found, GWL_STYLE);
    if (report_) {
      const std::string line =
          BoxReport(seen.title, seen.text, seen.hasIcon, seen.buttons) + "\n";
      std::fwrite(line.data(), 1, line.size(), stderr);
      std::fflush(stderr);
    }
    if (onShown_) onShown_(search.found);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      last_ = seen;
    }
    ++count_;
    if (!parts.buttons.empty()) PostMessageW(parts.buttons.front(), BM_CLICK, 0, 0);
    else PostMessageW(search.found, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 300 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
      Sleep(10);
  }
}

void PressKey(WORD key, bool shift, bool ctrl, bool alt) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (ctrl) add(VK_CONTROL, false);
  if (shift) add(VK_SHIFT, false);
  if (alt) add(VK_MENU, false);
  add(key, false);
  add(key, true);
  if (alt) add(VK_MENU, true);
  if (shift) add(VK_SHIFT, true);
  if (ctrl) add(VK_CONTROL, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PostKey(HWND target, WORD key, bool shift, bool ctrl, bool alt) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  const BYTE saved[3] = {state[VK_SHIFT], state[VK_CONTROL], state[VK_MENU]};
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  state[VK_MENU] = alt ? 0x80 : 0;
  SetKeyboardState(state);
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  PostMessageW(target, down, key, 1);
  PumpUntil([] { return false; }, 30);
  state[VK_SHIFT] = saved[0];
  state[VK_CONTROL] = saved[1];
  state[VK_MENU] = saved[2];
  SetKeyboardState(state);
  PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000001);
}

std::string BoxReport(const std::string& title, const std::string& text, bool icon, int buttons) {
  const auto hex = [](const std::string& bytes) {
    std::string out;
    char digits[3];
    for (unsigned char b : bytes) {
      std::snprintf(digits, sizeof digits, "%02x", b);
      out += digits;
    }
    return out;
  };
  return "[box title=" + hex(title) + " text=" + hex(text) + " icon=" + (icon ? "1" : "0") +
         " buttons=" + std::to_string(buttons) + "]";
}

void ReportMessageBoxesToStderr() {
  // Left running on purpose: the process ends while it waits.
  (new MessageBoxWatcher())->report_ = true;
}

std::string Cp936(const wchar_t* text) { return Narrow(text); }

// Windows loaded from test templates, and their controls.

LoadedForTest::LoadedForTest(const WindowTemplate& window) : window_(window) {
  if (!LoadWindow(window)) ADD_FAILURE() << "could not load " << window.name;
  else handle_ = GetWindowHandle(window);
}

LoadedForTest::~LoadedForTest() {
  // The test may have closed it, or left it waiting to be destroyed.
  if (IsWindow(handle_) && toolkit::Window::Find(window_)) UnloadWindow(window_, true);
  PumpFor(10);
}

HWND ControlHandle(const WindowTemplate& window, std::string_view control) {
  const toolkit::Window* loaded = toolkit::Window::Find(window);
  const toolkit::Control* found = loaded ? loaded->FindControl(control) : nullptr;
  return found ? found->Handle() : nullptr;
}

bool MakeForeground(HWND window) {
  SetForegroundWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window; });
}

int Pixels::CountOtherThan(COLORREF colour) const {
  int count = 0;
  for (COLORREF c : colours) count += c != colour;
  return count;
}

Pixels ReadPixels(HWND window, const RECT& area) {
  Pixels pixels{area, {}};
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC source = GetDC(window);
  const HDC memory = CreateCompatibleDC(source);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  // With the GDI table full there is no bitmap: no pixels then.
  const HGDIOBJ previous = bitmap ? SelectObject(memory, bitmap) : nullptr;
  if (bits && BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY)) {
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i)
      pixels.colours.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  }
  if (previous) SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return pixels;
}

bool PumpUntilIdle(int timeoutMs) {
  return PumpUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; }, timeoutMs);
}

}  // namespace testing_support
