#pragma once
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shells/headless/headless_config_window.h"
#include "shells/headless/headless_saver_window.h"
#include "platform/platform.h"

namespace zv::headless {

// Thrown by HeadlessProcess::End: the simulated process has ended.
struct ProcessEnded {};

class HeadlessProcess : public platform::StartupProcess {
 public:
  std::string arguments;
  bool anotherInstance = false;
  std::vector<platform::TextId> messages;
  std::vector<std::string> errorReports;
  const platform::SaverWindow* reportOwner = nullptr;  // the owner of the last report
  bool ended = false;

  bool claimedInstance = false;  // asked whether another instance runs, which claims the token

  std::string CommandLineArguments() override { return arguments; }
  bool AnotherInstanceRunning() override {
    claimedInstance = true;
    return anotherInstance;
  }
  void ShowMessage(platform::TextId text) override { messages.push_back(text); }
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override {
    errorReports.push_back(error.Report());
    reportOwner = owner;
  }
  [[noreturn]] void End() override;
};

// An in-memory settings store. A key listed in `unreadable` holds a value that is not text
// (as a registry value of the wrong type would).
class MemorySettingsStore : public platform::SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "app\section\key" -> text
  std::set<std::string> unreadable;
  std::vector<std::pair<std::string, std::string>> writes;

  static std::string Path(std::string_view app, std::string_view section, std::string_view key);
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override;
  void WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view text) override;
  std::optional<std::string> Stored(std::string_view key) const;
};

class HeadlessSystem : public platform::SystemParameters {
 public:
  int cursorCount = 0;   // the system's cursor display count: shown while >= 0
  bool screenSaveActive = true;
  std::vector<bool> screenSaveActiveCalls;

  void ShowCursor(bool show) override { cursorCount += show ? 1 : -1; }
  void SetScreenSaveActive(bool active) override;
  bool ScreenSaveActive() override { return screenSaveActive; }
};

// The headless shell: every platform object in memory, time simulated.
class HeadlessPlatform : public platform::Platform {
 public:
  explicit HeadlessPlatform(RandomSource& random, SaverWindowOptions options = {});

  platform::StartupProcess& GetProcess() override { return process; }
  platform::SettingsStore& Settings() override { return settings; }
  platform::SystemParameters& System() override { return system; }
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override;
  bool WindowExists(platform::WindowHandle handle) override { return otherWindows.count(handle) != 0; }
  std::unique_ptr<platform::SaverWindow> CreatePreviewWindow(platform::SaverWindowEvents& events,
                                                             platform::WindowHandle parent) override;
  std::unique_ptr<platform::ConfigWindow> CreateConfigWindow(platform::ConfigWindowEvents& events) override;
  void RunMessageLoop() override {}

  HeadlessProcess process;
  MemorySettingsStore settings;
  HeadlessSystem system;
  SaverWindowOptions saverOptions;
  // The windows of other programs, by handle, with the size of their client area: the parents
  // a preview may be given.
  struct WindowSize {
    int16 width, height;
  };
  std::map<platform::WindowHandle, WindowSize> otherWindows;
  // The windows created last, for the test or tool driving the run; valid while their
  // owner lives (the program object of the run).
  HeadlessSaverWindow* saverWindow = nullptr;
  HeadlessConfigWindow* configWindow = nullptr;
  int saverWindowsCreated = 0;
  int configWindowsCreated = 0;
  // Input scheduled before the saver window exists is handed to it when it is created.
  std::vector<InputEvent> pendingInput;

 protected:
  // Makes the window of a saver run or a preview; CreateSaverWindow and CreatePreviewWindow
  // hand it the input scheduled so far and remember it.
  virtual std::unique_ptr<HeadlessSaverWindow> NewSaverWindow(platform::SaverWindowEvents& events,
                                                              const SaverWindowOptions& options);

 private:
  std::unique_ptr<platform::SaverWindow> MakeSaverWindow(platform::SaverWindowEvents& events,
                                                         const SaverWindowOptions& options);

  RandomSource& random_;
};

}  // namespace zv::headless
