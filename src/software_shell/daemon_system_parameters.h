#pragma once
#include <functional>

#include "platform/saver_window.h"

namespace zv::software_shell {

// The system-wide calls of a saver run that a daemon, an idle daemon or a page started: the
// cursor count hides the pointer over the saver while it is below zero, as Windows' does. The
// screen-saver setting that Windows' saver switches belongs to whatever started the run, which
// blanks the screen and decides when to end it: the saver leaves it alone.
class DaemonSystemParameters : public platform::SystemParameters {
 public:
  // Shows (true) or hides the pointer over the saver.
  using ShowPointer = std::function<void(bool shown)>;
  explicit DaemonSystemParameters(ShowPointer showPointer) : showPointer_(std::move(showPointer)) {}

  void ShowCursor(bool show) override {
    cursorCount_ += show ? 1 : -1;
    showPointer_(cursorCount_ >= 0);
  }
  void SetScreenSaveActive(bool) override {}
  bool ScreenSaveActive() override { return true; }

 private:
  ShowPointer showPointer_;
  int cursorCount_ = 0;  // shown while >= 0
};

}  // namespace zv::software_shell
