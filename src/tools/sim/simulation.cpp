#include "tools/sim/simulation.h"

#include <cmath>
#include <string>

#include "shells/headless/headless_platform.h"
#include "saver/frm_scrn_save.h"

namespace zv::sim {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;
using headless::ProcessEnded;

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
  options.passesPerMs = settings.passesPerMs;
  options.fastForward = settings.fastForward;
  options.paintDisplay = settings.paintDisplay;
  HeadlessPlatform shell(random, options);
  platform = &shell;

  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kLevelKey, std::to_string(settings.level));
  shell.settings.WriteSetting(kSettingsApp, kSettingsSection, kSpecKey, std::to_string(settings.spec));
  const auto end = static_cast<headless::SimTime>(std::llround(settings.seconds * 1000 * kMillisecond));
  shell.pendingInput.push_back({InputEvent::Kind::Key, end});

  Globals globals;
  globals.SaverMode = kTrue;
  frmScrnSave saver(shell, globals);
  headless::HeadlessSaverWindow& window = *shell.saverWindow;
  if (afterTimer1) window.afterTimer1 = [&] { afterTimer1(window, saver.Engine()); };
  try {
    saver.Form_Load();
  } catch (const ProcessEnded&) {
  }
}

}  // namespace zv::sim
