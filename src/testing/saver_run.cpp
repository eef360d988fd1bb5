#include "testing/saver_run.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include "testing/forwarding_saver_events.h"

namespace zv::testing {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;

namespace {

frmScrnSave MakeForm(HeadlessPlatform& platform, Globals& globals, std::optional<platform::WindowHandle> previewParent) {
  if (previewParent) return frmScrnSave(platform, globals, *previewParent);
  return frmScrnSave(platform, globals);
}

// The saver's forecast of the picture, but every Timer1 tick counts as a change: a sleeping loop
// wakes for each.
class EveryTimer1Platform : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;

 protected:
  std::unique_ptr<headless::HeadlessSaverWindow> NewSaverWindow(platform::SaverWindowEvents& events,
                                                                const headless::SaverWindowOptions& options) override {
    events_ = std::make_unique<Events>(events);
    return HeadlessPlatform::NewSaverWindow(*events_, options);
  }

 private:
  struct Forecast : platform::PictureForecast {
    explicit Forecast(std::unique_ptr<platform::PictureForecast> saver) : saver_(std::move(saver)) {}
    bool Changes(platform::Timer timer) override { return timer == platform::Timer::Timer1 || saver_->Changes(timer); }
    std::unique_ptr<platform::PictureForecast> saver_;
  };
  struct Events : ForwardingSaverEvents {
    using ForwardingSaverEvents::ForwardingSaverEvents;
    std::unique_ptr<platform::PictureForecast> ForecastPicture() const override {
      return std::make_unique<Forecast>(ForwardingSaverEvents::ForecastPicture());
    }
  };
  std::unique_ptr<Events> events_;
};

}  // namespace

SaverRun::SaverRun(HeadlessPlatform& platform, std::optional<platform::WindowHandle> previewParent)
    : globals{.SaverMode = Bool(!previewParent)},
      form(MakeForm(platform, globals, previewParent)),
      window_(*platform.saverWindow) {}

void SaverRun::Run(const TickObserver& afterTimer1) {
  if (afterTimer1) window_.afterTimer1 = [this, afterTimer1] { afterTimer1(window_, form.Engine()); };
  try {
    form.Form_Load();
  } catch (const headless::ProcessEnded&) {
    return;
  }
  throw std::logic_error("Form_Load returned: the saver run did not end the process");
}

std::string SettingsText(const SimulationSettings& s) {
  char text[200];
  std::snprintf(text, sizeof text, "Level %d, Spec %d, screen %dx%d, %s loop at %g passes/ms, seed %s, jitter %g%%",
                s.level, s.spec, s.screenWidth, s.screenHeight, s.sleeping ? "sleeping" : "busy", s.passesPerMs,
                s.seed ? std::to_string(*s.seed).c_str() : "from the clock", s.jitter * 100);
  // A run at the scale of 1 names its settings as before the scale existed.
  return s.scale == 1 ? text : text + (", scale " + std::to_string(s.scale));
}

void RunSaver(const SimulationSettings& settings, const TickObserver& afterTimer1) {
  HeadlessPlatform* platform = nullptr;
  ClockSeededRandom::Clock clock = ClockSeededRandom::HighResolutionTicks;
  if (settings.seed) {
    clock = [&platform, seed = *settings.seed] {
      const std::uint64_t now = platform && platform->saverWindow ? platform->saverWindow->Now() : 0;
      return seed * 0x9E3779B97F4A7C15ull + now;
    };
  }
  ClockSeededRandom random(clock);

  headless::SaverWindowOptions options;
  options.screenWidth = settings.screenWidth;
  options.screenHeight = settings.screenHeight;
  options.dpi = 96 * settings.scale;
  options.passesPerMs = settings.passesPerMs;
  options.fastForward = settings.fastForward;
  options.sleepWhenIdle = settings.sleeping;
  options.timerJitter = settings.jitter;
  options.jitterSeed = settings.seed ? *settings.seed : std::random_device{}();
  options.paintDisplay = settings.paintDisplay;
  std::unique_ptr<HeadlessPlatform> made = settings.forecast ? std::make_unique<HeadlessPlatform>(random, options)
                                                              : std::make_unique<EveryTimer1Platform>(random, options);
  HeadlessPlatform& shell = *made;
  platform = &shell;

  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kLevelKey, std::to_string(settings.level));
  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kSpecKey, std::to_string(settings.spec));
  const auto end = static_cast<headless::SimTime>(std::llround(settings.seconds * 1000 * kMillisecond));
  shell.pendingInput.push_back({InputEvent::Kind::Key, end});
  SaverRun(shell).Run(afterTimer1);
  if (!shell.process.errorReports.empty()) throw SaverRunFailed(shell.process.errorReports.front());
}

}  // namespace zv::testing
