#include "x_input.h"

#include <stdexcept>
#include <vector>

#include "child_process.h"

namespace e2e {
namespace {

void Xdotool(const std::vector<std::string>& args) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  if (RunCommand(argv).exitCode != 0) throw std::runtime_error("xdotool failed: " + args[0]);
}

}  // namespace

void MoveMouseTo(int x, int y) { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }

void ClickAt(int x, int y) {
  Xdotool({"mousemove", std::to_string(x), std::to_string(y), "click", "1"});
}

void PressKeys(const std::string& keys) { Xdotool({"key", keys}); }

void FocusWindow(WindowId window) { Xdotool({"windowfocus", std::to_string(window)}); }

void TypeText(const std::string& text) { Xdotool({"type", "--delay", "20", text}); }

}  // namespace e2e
