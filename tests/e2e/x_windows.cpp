#include "x_windows.h"

#include <sstream>

#include "child_process.h"
#include "poll.h"

namespace e2e {
namespace {

std::vector<WindowId> ParseIds(const std::string& text) {
  std::vector<WindowId> ids;
  std::istringstream lines(text);
  for (WindowId id; lines >> id;) ids.push_back(id);
  return ids;
}

// xdotool matches names as regular expressions; the test wants the exact title.
std::string ExactPattern(const std::string& title) {
  std::string pattern = "^";
  for (char c : title) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

int ShellValue(const std::string& shell, const std::string& name) {
  const auto at = shell.find(name + "=");
  return at == std::string::npos ? -1 : std::stoi(shell.substr(at + name.size() + 1));
}

}  // namespace

std::vector<WindowId> VisibleWindowsTitled(const std::string& title) {
  return ParseIds(
      RunCommand({"xdotool", "search", "--onlyvisible", "--name", ExactPattern(title)}).output);
}

std::vector<WindowId> VisibleWindowsOf(pid_t pid) {
  return ParseIds(
      RunCommand({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}).output);
}

std::optional<WindowId> WaitForWindowTitled(const std::string& title,
                                            std::chrono::milliseconds timeout) {
  std::vector<WindowId> found;
  PollUntil([&] { return !(found = VisibleWindowsTitled(title)).empty(); }, timeout);
  if (found.empty()) return std::nullopt;
  return found.front();
}

bool WaitUntilNoWindowTitled(const std::string& title, std::chrono::milliseconds timeout) {
  return PollUntil([&] { return VisibleWindowsTitled(title).empty(); }, timeout);
}

std::string WindowName(WindowId window) {
  std::string name = RunCommand({"xdotool", "getwindowname", std::to_string(window)}).output;
  if (!name.empty() && name.back() == '\n') name.pop_back();
  return name;
}

Rect WindowGeometry(WindowId window) {
  const std::string shell =
      RunCommand({"xdotool", "getwindowgeometry", "--shell", std::to_string(window)}).output;
  return {ShellValue(shell, "X"), ShellValue(shell, "Y"), ShellValue(shell, "WIDTH"),
          ShellValue(shell, "HEIGHT")};
}

WindowId FocusedWindow() {
  const auto ids = ParseIds(RunCommand({"xdotool", "getwindowfocus"}).output);
  return ids.empty() ? 0 : ids.front();
}

bool WaitForFocus(WindowId window, std::chrono::milliseconds timeout) {
  return PollUntil([&] { return FocusedWindow() == window; }, timeout);
}

}  // namespace e2e
