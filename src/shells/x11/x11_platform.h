#pragma once
#include "linux_saver/command_line_settings.h"
#include "linux_saver/saver_process.h"
#include "linux_saver/end_signals.h"
#include "linux_saver/options.h"
#include "platform/platform.h"
#include "shells/x11/saver_target.h"
#include "software_shell/daemon_system_parameters.h"

namespace zv::x11 {

// The X11 shell: the saver run drawn into one window of the X server named by DISPLAY.
class X11Platform : public platform::SaverPlatform {
 public:
  // Throws std::runtime_error when there is no display or no window to draw into.
  explicit X11Platform(const linux_saver::Options& options);

  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  // First, so that an ending signal is an event from the start.
  linux_saver::EndSignals endSignals_;
  XConnection connection_;
  SaverTarget target_;
  linux_saver::SaverProcess process_;
  linux_saver::CommandLineSettings settings_;
  // The cursor count hides the pointer over the saver's full-screen window.
  software_shell::DaemonSystemParameters system_{[this](bool shown) { target_.ShowPointer(shown); }};
  ClockSeededRandom random_;
};

}  // namespace zv::x11
