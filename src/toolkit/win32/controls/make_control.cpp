#include "toolkit/win32/controls/make_control.h"

#include "toolkit/win32/controls/edit_box.h"
#include "toolkit/win32/controls/group_box.h"
#include "toolkit/win32/controls/push_button.h"
#include "toolkit/win32/controls/timer.h"
#include "toolkit/win32/controls/transparent_label.h"

namespace toolkit {

namespace {

// One overload per kind: a kind added to ControlSettings without one here does not compile.
struct Maker {
  HWND window;
  const ControlTemplate& tmpl;
  std::unique_ptr<Control> operator()(const GroupBoxSettings& s) const {
    return std::make_unique<GroupBox>(window, tmpl, s);
  }
  std::unique_ptr<Control> operator()(const EditBoxSettings& s) const {
    return std::make_unique<EditBox>(window, tmpl, s);
  }
  std::unique_ptr<Control> operator()(const PushButtonSettings& s) const {
    return std::make_unique<PushButton>(window, tmpl, s);
  }
  std::unique_ptr<Control> operator()(const TransparentLabelSettings& s) const {
    return std::make_unique<TransparentLabel>(window, tmpl, s);
  }
  std::unique_ptr<Control> operator()(const TimerSettings& s) const {
    return std::make_unique<Timer>(window, tmpl, s);
  }
};

}  // namespace

std::unique_ptr<Control> MakeControl(HWND window, const ControlTemplate& tmpl) {
  return std::visit(Maker{window, tmpl}, tmpl.settings);
}

}  // namespace toolkit
