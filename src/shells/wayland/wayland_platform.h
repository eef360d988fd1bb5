#pragma once
#include <cstdint>
#include <optional>

#include "display_mode/command_line_settings.h"
#include "display_mode/display_mode_process.h"
#include "display_mode/end_signals.h"
#include "display_mode/options.h"
#include "platform/platform.h"
#include "shells/wayland/saver_surface.h"
#include "shells/wayland/wayland_connection.h"
#include "software_shell/daemon_system_parameters.h"

namespace zv::wayland {

// The Wayland shell: one saver run on its own connection to the compositor, full screen on one
// output or in a window.
class WaylandPlatform : public platform::SaverPlatform {
 public:
  // `output` names the output a full-screen run covers (none for --window). Throws
  // std::runtime_error when there is no compositor to talk to.
  WaylandPlatform(const display_mode::Options& options, std::optional<std::uint32_t> output);

  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  // First, so that an ending signal is an event from the start.
  display_mode::EndSignals endSignals_;
  WaylandConnection connection_;
  SaverSurface surface_;
  display_mode::DisplayModeProcess process_;
  display_mode::CommandLineSettings settings_;
  // The cursor count hides the pointer over a full-screen surface.
  software_shell::DaemonSystemParameters system_{[this](bool shown) { surface_.ShowPointer(shown); }};
  ClockSeededRandom random_;
};

}  // namespace zv::wayland
