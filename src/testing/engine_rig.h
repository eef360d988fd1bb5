#pragma once
#include <vector>

#include "lottery/lottery_engine.h"
#include "settings/settings.h"
#include "shells/headless/headless_saver_window.h"
#include "testing/no_saver_events.h"

namespace zv::testing {

// A headless window that notes, at every repaint of the whole window, whether the display
// block was enabled.
class RepaintRecordingWindow : public headless::HeadlessSaverWindow {
 public:
  using HeadlessSaverWindow::HeadlessSaverWindow;
  void Refresh() override {
    displayEnabledAtRepaint.push_back(DisplayEnabled());
    HeadlessSaverWindow::Refresh();
  }
  std::vector<bool> displayEnabledAtRepaint;
};

// The lottery engine as the saver's load sets it up, on a headless window whose timers nothing
// handles: the display block 130 x 68, HitPatterns filled, the reels on their starting
// positions, Level 301; the odometer and the counters at 0.
struct EngineRig {
  explicit EngineRig(RandomSource& random, headless::SaverWindowOptions options = {});

  NoSaverEvents events;
  RepaintRecordingWindow window;
  Globals globals{.ProbDenominator = kDefaultLevel};
  LotteryEngine engine;
};

}  // namespace zv::testing
