#pragma once
#include "platform/platform.h"
#include "shells/web/web_process.h"
#include "shells/web/page.h"
#include "shells/web/web_saver_window.h"
#include "software_shell/daemon_system_parameters.h"

namespace zv::web {

// The two settings: the page's query (?level=30&spec=1) over the panel's choices, which the
// browser's storage keeps. Each reads as the store's text; the panel shows the value the run
// takes, and says so when a text was unusable (no 16-bit number, or absurdly long) and the
// default applies instead, as the core's conversion has it.
class PageSettings : public platform::SettingsSource {
 public:
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;
};

// The web shell: the saver run of one instance of the page's module.
class WebPlatform : public platform::SaverPlatform {
 public:
  platform::Process& GetProcess() override { return process_; }
  platform::SettingsSource& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;

 private:
  WebProcess process_;
  PageSettings settings_;
  // The pointer hides over the full-screen page while the cursor count is below zero.
  software_shell::DaemonSystemParameters system_{page::ShowPointer};
  ClockSeededRandom random_;
};

}  // namespace zv::web
