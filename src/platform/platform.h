#pragma once
#include <memory>

#include "platform/config_window.h"
#include "platform/process.h"
#include "platform/saver_window.h"
#include "platform/settings_store.h"
#include "runtime/random_source.h"

namespace zv::platform {

// Everything the core reaches of the operating system, one object per shell.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual Process& GetProcess() = 0;
  virtual SettingsStore& Settings() = 0;
  virtual SystemParameters& System() = 0;
  virtual RandomSource& Random() = 0;
  virtual std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) = 0;
  virtual std::unique_ptr<ConfigWindow> CreateConfigWindow(ConfigWindowEvents& events) = 0;
  // Delivers window events until no window of the program is left.
  virtual void RunMessageLoop() = 0;
};

}  // namespace zv::platform
