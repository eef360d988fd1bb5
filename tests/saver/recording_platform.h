#pragma once
// The headless shell with every platform call of a saver run written to one log, in order.
#include <string>
#include <vector>

#include "shells/headless/headless_platform.h"
#include "saver/frm_scrn_save.h"

namespace zv::testing {

using CallLog = std::vector<std::string>;

class RecordingPictureBox : public platform::PictureBox {
 public:
  RecordingPictureBox(platform::PictureBox& box, std::string name, CallLog& log)
      : box_(box), name_(std::move(name)), log_(log) {}
  int16 Left() const override { return box_.Left(); }
  int16 Top() const override { return box_.Top(); }
  int16 Width() const override { return box_.Width(); }
  int16 Height() const override { return box_.Height(); }
  void SetLeft(int16 v) override { Log("SetLeft", v); box_.SetLeft(v); }
  void SetTop(int16 v) override { Log("SetTop", v); box_.SetTop(v); }
  void SetWidth(int16 v) override { Log("SetWidth", v); box_.SetWidth(v); }
  void SetHeight(int16 v) override { Log("SetHeight", v); box_.SetHeight(v); }
  void SetEnabled(bool v) override { Log("SetEnabled", v); box_.SetEnabled(v); }
  void SetSolidFill(platform::Colour c) override { Log("SetSolidFill", static_cast<long>(c)); box_.SetSolidFill(c); }
  platform::Surface& Dc() override { return box_.Dc(); }
  void Refresh() override { log_.push_back(name_ + ".Refresh"); box_.Refresh(); }

 private:
  void Log(const char* call, long value) { log_.push_back(name_ + "." + call + " " + std::to_string(value)); }
  platform::PictureBox& box_;
  std::string name_;
  CallLog& log_;
};

class RecordingSaverWindow : public headless::HeadlessSaverWindow {
 public:
  RecordingSaverWindow(platform::SaverWindowEvents& events, headless::SaverWindowOptions options,
                       CallLog& log)
      : HeadlessSaverWindow(events, std::move(options)),
        form_(dynamic_cast<const frmScrnSave&>(events)),
        log_(log),
        display_(HeadlessSaverWindow::Display(), "Display", log) {}

  void Show() override { log_.push_back("Show"); HeadlessSaverWindow::Show(); }
  void Refresh() override { log_.push_back("Refresh"); HeadlessSaverWindow::Refresh(); }
  void Cls() override { log_.push_back("Cls"); HeadlessSaverWindow::Cls(); }
  void Hide() override { log_.push_back("Hide"); HeadlessSaverWindow::Hide(); }
  void Unload() override { log_.push_back("Unload"); HeadlessSaverWindow::Unload(); }
  void SetInterval(platform::Timer timer, int16 ms) override {
    log_.push_back(std::string("SetInterval ") + (timer == platform::Timer::Timer1 ? "Timer1 " : "Timer2 ") +
                   std::to_string(ms));
    HeadlessSaverWindow::SetInterval(timer, ms);
  }
  void LoadPicture(platform::Art art) override {
    log_.push_back("LoadPicture " + std::to_string(static_cast<int>(art)));
    HeadlessSaverWindow::LoadPicture(art);
  }
  platform::PictureBox& Display() override { return display_; }
  // Yields are many: a run of yields in which the quit flag stays clear is logged once; the
  // yield after which the flag is set is logged as "DoEvents quit".
  void DoEvents() override {
    HeadlessSaverWindow::DoEvents();
    if (form_.QuitRequested == kTrue) log_.push_back("DoEvents quit");
    else if (log_.empty() || log_.back() != "DoEvents") log_.push_back("DoEvents");
  }

 private:
  const frmScrnSave& form_;
  CallLog& log_;
  RecordingPictureBox display_;
};

class RecordingSystem : public platform::SystemParameters {
 public:
  RecordingSystem(headless::HeadlessSystem& system, CallLog& log) : system_(system), log_(log) {}
  void ShowCursor(bool show) override {
    log_.push_back(show ? "ShowCursor true" : "ShowCursor false");
    system_.ShowCursor(show);
  }
  void SetScreenSaveActive(bool active) override {
    log_.push_back(active ? "SetScreenSaveActive true" : "SetScreenSaveActive false");
    system_.SetScreenSaveActive(active);
  }
  bool ScreenSaveActive() override {
    log_.push_back("ScreenSaveActive?");
    return system_.ScreenSaveActive();
  }

 private:
  headless::HeadlessSystem& system_;
  CallLog& log_;
};

class RecordingSettings : public platform::SettingsStore {
 public:
  RecordingSettings(platform::SettingsStore& store, CallLog& log) : store_(store), log_(log) {}
  std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                          int16 defaultValue) override {
    log_.push_back("ReadSetting " + std::string(key));
    return store_.ReadSetting(app, section, key, defaultValue);
  }
  void WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view text) override {
    log_.push_back("WriteSetting " + std::string(key));
    store_.WriteSetting(app, section, key, text);
  }

 private:
  platform::SettingsStore& store_;
  CallLog& log_;
};

class RecordingProcess : public headless::HeadlessProcess {
 public:
  explicit RecordingProcess(CallLog& log) : log_(log) {}
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override {
    log_.push_back("ReportRuntimeError " + std::to_string(static_cast<int>(error.Number())));
    HeadlessProcess::ReportRuntimeError(error, owner);
  }
  [[noreturn]] void End() override {
    log_.push_back("End");
    HeadlessProcess::End();
  }

 private:
  CallLog& log_;
};

class RecordingPlatform : public headless::HeadlessPlatform {
 public:
  explicit RecordingPlatform(RandomSource& random) : HeadlessPlatform(random) {}

  platform::StartupProcess& GetProcess() override { return recordingProcess_; }
  platform::SettingsStore& Settings() override { return recordingSettings_; }
  platform::SystemParameters& System() override { return recordingSystem_; }

  CallLog log;
  const headless::HeadlessProcess& RecordedProcess() const { return recordingProcess_; }

 protected:
  std::unique_ptr<headless::HeadlessSaverWindow> NewSaverWindow(platform::SaverWindowEvents& events,
                                                                const headless::SaverWindowOptions& options) override {
    return std::make_unique<RecordingSaverWindow>(events, options, log);
  }

 private:
  RecordingProcess recordingProcess_{log};
  RecordingSettings recordingSettings_{settings, log};
  RecordingSystem recordingSystem_{system, log};
};

}  // namespace zv::testing
