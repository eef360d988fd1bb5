#pragma once
#include "platform/platform.h"
#include "shells/x11/end_signals.h"
#include "shells/x11/x11_process.h"
#include "shells/x11/saver_target.h"
#include "shells/x11/x11_options.h"

namespace zv::x11 {

// The two settings come from the command line: XScreenSaver keeps a display mode's settings in
// the command line it starts it with.
class CommandLineSettings : public platform::SettingsSource {
 public:
  explicit CommandLineSettings(const X11Options& options) : level_(options.level), spec_(options.spec) {}
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;

 private:
  int16 level_;
  int16 spec_;
};

// The cursor count hides the pointer over the saver's full-screen window. The screen-saver
// setting that Windows' saver switches belongs on X11 to the daemon that started the display
// mode, which blanks the screen and decides when to end it: the saver leaves it alone.
class X11SystemParameters : public platform::SystemParameters {
 public:
  explicit X11SystemParameters(SaverTarget& target) : target_(target) {}
  void ShowCursor(bool show) override;
  void SetScreenSaveActive(bool) override {}
  bool ScreenSaveActive() override { return true; }

 private:
  SaverTarget& target_;
  int cursorCount_ = 0;  // shown while >= 0
};

// The X11 shell: the saver run drawn into one window of the X server named by DISPLAY.
class X11Platform : public platform::SaverPlatform {
 public:
  // Throws std::runtime_error when there is no display or no window to draw into.
  explicit X11Platform(const X11Options& options);

  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  // First, so that an ending signal is an event from the start.
  EndSignals endSignals_;
  XConnection connection_;
  SaverTarget target_;
  X11Process process_;
  CommandLineSettings settings_;
  X11SystemParameters system_{target_};
  ClockSeededRandom random_;
};

}  // namespace zv::x11
