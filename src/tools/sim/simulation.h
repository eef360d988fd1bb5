#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "lottery/lottery_engine.h"
#include "platform/headless/headless_saver_window.h"
#include "startup/settings.h"

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
  double passesPerMs = platform::headless::SaverWindowOptions{}.passesPerMs;
  // Skip, as a count, the main-loop passes in which nothing can change on screen.
  bool fastForward = true;
  // Run the main loop as the program does: a yield with nothing pending sleeps until the next
  // event, and the time slept counts as passes at the nominal pace.
  bool sleeping = false;
  // Timer-delivery jitter, a fraction of the 15.625 ms clock tick (see SaverWindowOptions).
  // Real timers never arrive on the dot: without it the odometer locks to the timer.
  double jitter = 0.2;
  // Let the renderer's copies and fills change the display block's pixels. Without it the
  // renderer still makes every call, but only a snapshot would show the difference.
  bool paintDisplay = false;
};

// Called right after every Timer1 tick's handler returns, before the next draw pass.
using TickObserver =
    std::function<void(platform::headless::HeadlessSaverWindow& window, const LotteryEngine& engine)>;

// The run's settings in one line: Level, Spec, screen, main loop and pass rate, seed, jitter.
std::string SettingsText(const SimulationSettings& settings);

// Loads the saver window (as a saver run of the program does) and runs it until a key press
// scheduled at the end time closes it. A run-time error of the saver propagates.
void RunSaver(const SimulationSettings& settings, const TickObserver& afterTimer1);

}  // namespace zv::sim
