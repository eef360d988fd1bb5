#pragma once
#include <windows.h>

#include <functional>

#include "platform/platform.h"

namespace zv::platform::win32 {

class Win32Process : public StartupProcess {
 public:
  std::string CommandLineArguments() override;
  bool AnotherInstanceRunning() override;
  void ShowMessage(TextId text) override;
  void ReportRuntimeError(const RuntimeError& error, const SaverWindow* owner) override;
  [[noreturn]] void End() override;
};

// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key.
class RegistrySettingsStore : public SettingsStore {
 public:
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;
  void WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view text) override;
};

class Win32SystemParameters : public SystemParameters {
 public:
  void ShowCursor(bool show) override;
  void SetScreenSaveActive(bool active) override;
  bool ScreenSaveActive() override;
};

class Win32Platform : public Platform {
 public:
  StartupProcess& GetProcess() override { return process_; }
  SettingsStore& Settings() override { return settings_; }
  SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override;
  std::unique_ptr<ConfigWindow> CreateConfigWindow(ConfigWindowEvents& events) override;
  void RunMessageLoop() override;

 private:
  Win32Process process_;
  RegistrySettingsStore settings_;
  Win32SystemParameters system_;
  ClockSeededRandom random_;
};

// Runs a handler that Windows calls back. A C++ exception must not unwind through a window
// procedure: whatever a handler throws goes to `reportAndEnd`, called inside the catch, which
// reports it once and ends the process. While a report of an unhandled error shows (this one or
// one made elsewhere), its message box still delivers timer and input messages; they do not
// reach the handlers, which would run on the state the fault left behind. False when the handler
// did not run: the window procedure then leaves the message to DefWindowProc.
bool Guarded(const std::function<void()>& handler, const std::function<void()>& reportAndEnd);

}  // namespace zv::platform::win32
