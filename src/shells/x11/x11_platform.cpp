#include "shells/x11/x11_platform.h"

#include "shells/x11/x11_saver_window.h"

namespace zv::x11 {

X11Platform::X11Platform(const linux_saver::Options& options)
    : target_(connection_.Get(), options), settings_(options) {}

std::unique_ptr<platform::SaverWindow> X11Platform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<X11SaverWindow>(events, target_, endSignals_);
}

}  // namespace zv::x11
