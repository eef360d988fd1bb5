#include "testing/trace.h"

#include <cstdio>

namespace zv::testing {

std::string TraceHeader() {
  return "t_ms\tTimer2Ticks\tSpinState\tStateTicks\tTickCycle\tPatternIndex\tReelPosLeft\tReelPosCentre\t"
         "ReelPosRight\tTargetCodeLeft\tTargetCodeCentre\tTargetCodeRight\tHitFlag\tReachFlag\tReviveFlag\t"
         "EffectDraw\tLotteryDraw\tBlinkOn\tFlashPhase\tCrawlPhase\tSyncSteps\tMissCodeLeft\tMissCodeCentre\t"
         "MissCodeRight\tDisplayLeft\tDisplayTop";
}

std::string TraceLine(headless::HeadlessSaverWindow& window, const LotteryEngine& e) {
  const platform::PictureBox& display = window.Display();
  char line[320];
  std::snprintf(line, sizeof line,
                "%.3f\t%lld\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d",
                static_cast<double>(window.Now()) / headless::kMillisecond,
                static_cast<long long>(window.Timer2Ticks()), StateNumber(e.SpinState), e.StateTicks, e.TickCycle,
                e.PatternIndex, e.ReelPosLeft, e.ReelPosCentre, e.ReelPosRight, e.TargetCodeLeft, e.TargetCodeCentre,
                e.TargetCodeRight, e.HitFlag, e.ReachFlag, e.ReviveFlag, e.EffectDraw, e.LotteryDraw, e.BlinkOn,
                e.FlashPhase, e.CrawlPhase, e.SyncSteps, e.MissCodeLeft, e.MissCodeCentre, e.MissCodeRight,
                display.Left(), display.Top());
  return line;
}

}  // namespace zv::testing
