#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "lottery/lottery_engine.h"
#include "shells/headless/headless_saver_window.h"
#include "settings/settings.h"

namespace zv::sim {

// One saver run on the headless shell, in simulated time with Windows' timer cadence.
struct SimulationSettings {
  double seconds = 3600;
  // Stand in for the stored Level and Spec settings.
  int16 level = kDefaultLevel;
  int16 spec = kDefaultSpec;
  // Fixes the random source: reseeds then mix the seed with the simulated clock. Without
  // it the source is reseeded from the real clock, as in the program.
  std::optional<std::uint64_t> seed;
  int16 screenWidth = 1024;
  int16 screenHeight = 768;
  double passesPerMs = headless::SaverWindowOptions{}.passesPerMs;
  // Skip, as a count, the main-loop passes in which nothing can change on screen.
  bool fastForward = true;
  // Let the renderer's copies and fills change the display block's pixels. Without it the
  // renderer still makes every call, but only a snapshot would show the difference.
  bool paintDisplay = false;
};

// Called right after every Timer1 tick's handler returns, before the next draw pass.
using TickObserver =
    std::function<void(headless::HeadlessSaverWindow& window, const LotteryEngine& engine)>;

// Loads the saver window (as a saver run of the program does) and runs it until a key press
// scheduled at the end time closes it. A run-time error of the saver propagates.
void RunSaver(const SimulationSettings& settings, const TickObserver& afterTimer1);

}  // namespace zv::sim
