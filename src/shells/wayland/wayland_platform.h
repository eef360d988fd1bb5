#pragma once
#include <cstdint>
#include <optional>

#include "linux_saver/command_line_settings.h"
#include "linux_saver/saver_process.h"
#include "linux_saver/end_signals.h"
#include "linux_saver/options.h"
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
  WaylandPlatform(const linux_saver::Options& options, std::optional<std::uint32_t> output);

  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  // First, so that an ending signal is an event from the start.
  linux_saver::EndSignals endSignals_;
  WaylandConnection connection_;
  SaverSurface surface_;
  linux_saver::SaverProcess process_;
  linux_saver::CommandLineSettings settings_;
  // The cursor count hides the pointer over a full-screen surface.
  software_shell::DaemonSystemParameters system_{[this](bool shown) { surface_.ShowPointer(shown); }};
  ClockSeededRandom random_;
};

}  // namespace zv::wayland
