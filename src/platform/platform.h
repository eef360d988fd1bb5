#pragma once
#include <memory>

#include "platform/config_window.h"
#include "platform/process.h"
#include "platform/saver_window.h"
#include "platform/settings_store.h"
#include "runtime/random_source.h"

namespace zv::platform {

// Everything a saver run reaches of the operating system.
class SaverPlatform {
 public:
  virtual ~SaverPlatform() = default;
  virtual Process& GetProcess() = 0;
  virtual SettingsSource& Settings() = 0;
  virtual SystemParameters& System() = 0;
  virtual RandomSource& Random() = 0;
  virtual std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) = 0;
};

// Everything the whole program reaches, one object per shell: a saver run's needs, and
// start-up's and the dialog's besides.
class Platform : public SaverPlatform {
 public:
  StartupProcess& GetProcess() override = 0;
  SettingsStore& Settings() override = 0;
  virtual std::unique_ptr<ConfigWindow> CreateConfigWindow(ConfigWindowEvents& events) = 0;
  // Delivers window events until no window of the program is left.
  virtual void RunMessageLoop() = 0;
};

}  // namespace zv::platform
