#include "shells/x11/x11_platform.h"

#include "shells/x11/x11_saver_window.h"

namespace zv::x11 {

void X11SystemParameters::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  target_.ShowPointer(cursorCount_ >= 0);
}

X11Platform::X11Platform(const display_mode::Options& options)
    : target_(connection_.Get(), options), settings_(options) {}

std::unique_ptr<platform::SaverWindow> X11Platform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<X11SaverWindow>(events, target_, endSignals_);
}

}  // namespace zv::x11
