#pragma once
#include "display_mode/command_line_settings.h"
#include "display_mode/display_mode_process.h"
#include "display_mode/end_signals.h"
#include "display_mode/options.h"
#include "platform/platform.h"
#include "shells/x11/saver_target.h"
#include "software_shell/daemon_system_parameters.h"

namespace zv::x11 {

// The X11 shell: the saver run drawn into one window of the X server named by DISPLAY.
class X11Platform : public platform::SaverPlatform {
 public:
  // Throws std::runtime_error when there is no display or no window to draw into.
  explicit X11Platform(const display_mode::Options& options);

  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  // First, so that an ending signal is an event from the start.
  display_mode::EndSignals endSignals_;
  XConnection connection_;
  SaverTarget target_;
  display_mode::DisplayModeProcess process_;
  display_mode::CommandLineSettings settings_;
  // The cursor count hides the pointer over the saver's full-screen window.
  software_shell::DaemonSystemParameters system_{[this](bool shown) { target_.ShowPointer(shown); }};
  ClockSeededRandom random_;
};

}  // namespace zv::x11
