#pragma once
#include "linux_saver/options.h"
#include "platform/settings_store.h"

namespace zv::linux_saver {

// The two settings come from the command line: XScreenSaver and the idle daemons keep a display
// mode's settings in the command line they start it with.
class CommandLineSettings : public platform::SettingsSource {
 public:
  explicit CommandLineSettings(const Options& options) : level_(options.level), spec_(options.spec) {}
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;

 private:
  int16 level_;
  int16 spec_;
};

}  // namespace zv::linux_saver
