#include "shells/wayland/wayland_platform.h"

#include "shells/wayland/wayland_saver_window.h"

namespace zv::wayland {

WaylandPlatform::WaylandPlatform(const linux_saver::Options& options, std::optional<std::uint32_t> output)
    : surface_(connection_, options.target, output), settings_(options) {}

std::unique_ptr<platform::SaverWindow> WaylandPlatform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<WaylandSaverWindow>(events, connection_, surface_, endSignals_);
}

}  // namespace zv::wayland
