#pragma once
#include <windows.h>

#include "platform/platform.h"

namespace zv::win32 {

class Win32Process : public platform::StartupProcess {
 public:
  std::string CommandLineArguments() override;
  bool AnotherInstanceRunning() override;
  void ShowMessage(platform::TextId text) override;
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override;
  [[noreturn]] void End() override;
};

// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key.
class RegistrySettingsStore : public platform::SettingsStore {
 public:
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;
  void WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view text) override;
};

class Win32SystemParameters : public platform::SystemParameters {
 public:
  void ShowCursor(bool show) override;
  void SetScreenSaveActive(bool active) override;
  bool ScreenSaveActive() override;
};

class Win32Platform : public platform::Platform {
 public:
  platform::StartupProcess& GetProcess() override { return process_; }
  platform::SettingsStore& Settings() override { return settings_; }
  platform::SystemParameters& System() override { return system_; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;
  bool WindowExists(platform::WindowHandle handle) override;
  std::unique_ptr<platform::SaverWindow> CreatePreviewWindow(platform::SaverWindowEvents& events,
                                                             platform::WindowHandle parent) override;
  std::unique_ptr<platform::ConfigWindow> CreateConfigWindow(platform::ConfigWindowEvents& events) override;
  void RunMessageLoop() override;

 private:
  Win32Process process_;
  RegistrySettingsStore settings_;
  Win32SystemParameters system_;
  ClockSeededRandom random_;
};

}  // namespace zv::win32
