#pragma once
// Whole saver runs on the headless shell, in simulated time with Windows' timer cadence.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "lottery/lottery_engine.h"
#include "saver/frm_scrn_save.h"
#include "settings/settings.h"
#include "shells/headless/headless_platform.h"

namespace zv::testing {

// Called right after every Timer1 tick's handler returns, before the next draw pass.
using TickObserver = std::function<void(headless::HeadlessSaverWindow& window, const LotteryEngine& engine)>;

// The saver as Main starts it in saver mode, or as a preview in `previewParent` (one of the
// platform's other windows), on a headless platform: the form and its window exist; Run goes
// through the load sequence to the end of the process.
class SaverRun {
 public:
  explicit SaverRun(headless::HeadlessPlatform& platform,
                    std::optional<platform::WindowHandle> previewParent = std::nullopt);

  // Runs Form_Load until the process ends, through the unload or through the report of an
  // error. A Form_Load that returns fails as std::logic_error: the load sequence ends the process.
  void Run(const TickObserver& afterTimer1 = {});
  headless::HeadlessSaverWindow& Window() { return window_; }

  Globals globals;
  frmScrnSave form;

 private:
  headless::HeadlessSaverWindow& window_;
};

// The settings of a simulated saver run.
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
  // The block's scale: each logical pixel a square of this many pixels a side, as at 96 x
  // scale DPI; the block roams the screen's size divided by it.
  int scale = 1;
  double passesPerMs = headless::SaverWindowOptions{}.passesPerMs;
  // Skip, as a count, the main-loop passes in which nothing can change on screen.
  bool fastForward = true;
  // Run the main loop as the program does: a yield with nothing pending sleeps until the next
  // event, and the time slept counts as passes at the nominal pace.
  bool sleeping = false;
  // The sleeping loop sleeps through the ticks that change nothing on screen; without the
  // forecast it wakes for every Timer1 tick as well. Either way the run's ticks are the same.
  bool forecast = true;
  // Timer-delivery jitter, a fraction of the 15.625 ms clock tick (see SaverWindowOptions).
  // Real timers never arrive on the dot: without it the odometer locks to the timer.
  double jitter = 0.2;
  // Let the renderer's copies and fills change the display block's pixels. Without it the
  // renderer still makes every call, but only a snapshot would show the difference.
  bool paintDisplay = false;
};

// The run's settings in one line: Level, Spec, screen, main loop and pass rate, seed, jitter.
std::string SettingsText(const SimulationSettings& settings);

// A saver run that ended in the report of an error; what() is the report.
struct SaverRunFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A saver run with these settings in the store, until a key press scheduled at the end time
// closes it. A run the saver ended by reporting an error throws SaverRunFailed.
void RunSaver(const SimulationSettings& settings, const TickObserver& afterTimer1);

}  // namespace zv::testing
