#include "tools/sim/simulation.h"

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "platform/headless/headless_platform.h"
#include "saver/frm_scrn_save.h"

namespace zv::sim {

using platform::headless::HeadlessPlatform;
using platform::headless::InputEvent;
using platform::headless::kMillisecond;
using platform::headless::ProcessEnded;

std::string SettingsText(const SimulationSettings& s) {
  char text[200];
  std::snprintf(text, sizeof text, "Level %d, Spec %d, screen %dx%d, %s loop at %g passes/ms, seed %s, jitter %g%%",
                s.level, s.spec, s.screenWidth, s.screenHeight, s.sleeping ? "sleeping" : "busy", s.passesPerMs,
                s.seed ? std::to_string(*s.seed).c_str() : "from the clock", s.jitter * 100);
  return text;
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

  platform::headless::SaverWindowOptions options;
  options.screenWidth = settings.screenWidth;
  options.screenHeight = settings.screenHeight;
  options.passesPerMs = settings.passesPerMs;
  options.fastForward = settings.fastForward;
  options.sleepWhenIdle = settings.sleeping;
  options.timerJitter = settings.jitter;
  options.jitterSeed = settings.seed ? *settings.seed : std::random_device{}();
  options.paintDisplay = settings.paintDisplay;
  HeadlessPlatform shell(random, options);
  platform = &shell;

  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kLevelKey, std::to_string(settings.level));
  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kSpecKey, std::to_string(settings.spec));
  const auto end = static_cast<platform::headless::SimTime>(std::llround(settings.seconds * 1000 * kMillisecond));
  shell.pendingInput.push_back({InputEvent::Kind::Key, end});

  Globals globals;
  globals.SaverMode = kTrue;
  frmScrnSave saver(shell, globals);
  platform::headless::HeadlessSaverWindow& window = *shell.saverWindow;
  if (afterTimer1) window.afterTimer1 = [&] { afterTimer1(window, saver.Engine()); };
  try {
    saver.Form_Load();
  } catch (const ProcessEnded&) {
  }
}

}  // namespace zv::sim
