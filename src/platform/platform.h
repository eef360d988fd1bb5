#pragma once
#include <cstdint>
#include <memory>

#include "platform/config_window.h"
#include "platform/process.h"
#include "platform/saver_window.h"
#include "platform/settings_store.h"
#include "runtime/random_source.h"

namespace zv::platform {

// A window of the system, as its handle's number.
using WindowHandle = std::uintptr_t;

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
// start-up's, the preview's and the dialog's besides.
class Platform : public SaverPlatform {
 public:
  StartupProcess& GetProcess() override = 0;
  SettingsStore& Settings() override = 0;
  // Whether the handle names a window of the system (of any program).
  virtual bool WindowExists(WindowHandle handle) = 0;
  // The saver window of a preview: a child of `parent` filling its client area, shown without
  // taking the focus. When it cannot be made (the parent has just gone), the process ends.
  virtual std::unique_ptr<SaverWindow> CreatePreviewWindow(SaverWindowEvents& events, WindowHandle parent) = 0;
  virtual std::unique_ptr<ConfigWindow> CreateConfigWindow(ConfigWindowEvents& events) = 0;
  // Delivers window events until no window of the program is left.
  virtual void RunMessageLoop() = 0;
};

}  // namespace zv::platform
