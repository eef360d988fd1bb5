#include "shells/wayland/wayland_platform.h"

#include <cstdlib>

#include "shells/wayland/wayland_saver_window.h"

namespace zv::wayland {

void EndWithoutOutput() { std::exit(kOutputGoneStatus); }

WaylandPlatform::WaylandPlatform(const display_mode::Options& options, std::optional<std::uint32_t> output,
                                 bool reportGone)
    : surface_(connection_, options.target, output), settings_(options), reportGone_(reportGone) {}

std::unique_ptr<platform::SaverWindow> WaylandPlatform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<WaylandSaverWindow>(events, connection_, surface_, endSignals_, reportGone_);
}

}  // namespace zv::wayland
