#include "testing/spin_tally.h"

#include <algorithm>
#include <cstdio>

namespace zv::testing {
namespace {

bool KnownState(Spin state) {
  return std::find(kSpinStates.begin(), kSpinStates.end(), state) != kSpinStates.end();
}
std::size_t Index(Spin state) { return static_cast<std::size_t>(StateNumber(state)); }
bool Within(int16 value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void SpinTally::Fail(double nowMs, const std::string& what) {
  ++violationCount_;
  if (violations_.size() >= 50) return;
  char at[32];
  std::snprintf(at, sizeof at, "t=%.3f ms: ", nowMs);
  violations_.push_back(at + what);
}

void SpinTally::Observe(headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
  const double nowMs = static_cast<double>(window.Now()) / headless::kMillisecond;
  CheckTick(window, engine);
  const Spin state = engine.SpinState;
  if (state == Spin::Rest && previousState_ == Spin::NewSpin) {
    ++counts_.started;
    inSpin_ = true;
    spinStartMs_ = nowMs;
    spinHit_ = engine.HitFlag != kFalse;
    spinReach_ = engine.ReachFlag != kFalse;
    visited_.reset();
  }
  if (inSpin_ && KnownState(state)) visited_.set(Index(state));
  if (state == Spin::NewSpin && previousState_ != Spin::NewSpin && inSpin_) EndSpin(engine, nowMs);
  previousState_ = state;
}

void SpinTally::CheckTick(headless::HeadlessSaverWindow& window, const LotteryEngine& e) {
  const double nowMs = static_cast<double>(window.Now()) / headless::kMillisecond;
  if (!KnownState(e.SpinState)) Fail(nowMs, "SpinState " + std::to_string(StateNumber(e.SpinState)));
  struct Range {
    const char* name;
    int16 value;
    int low, high;
  };
  const platform::PictureBox& display = window.Display();
  const int blockLeftTop = window.ScaleWidth() - display.Width() + 1;
  const int blockTopTop = window.ScaleHeight() - display.Height() + 1;
  for (const Range& r : {Range{"ReelPosLeft", e.ReelPosLeft, 0, 79}, Range{"ReelPosCentre", e.ReelPosCentre, 0, 39},
                         Range{"ReelPosRight", e.ReelPosRight, 0, 79}, Range{"StateTicks", e.StateTicks, 0, 1000},
                         Range{"TickCycle", e.TickCycle, 0, 100}, Range{"PatternIndex", e.PatternIndex, 0, 39},
                         Range{"FlashPhase", e.FlashPhase, 0, 10}, Range{"TargetCodeLeft", e.TargetCodeLeft, 0, 19},
                         Range{"TargetCodeCentre", e.TargetCodeCentre, 0, 9},
                         Range{"TargetCodeRight", e.TargetCodeRight, 0, 19}, Range{"EffectDraw", e.EffectDraw, 0, 16},
                         Range{"MissCodeLeft", e.MissCodeLeft, 0, 19}, Range{"MissCodeCentre", e.MissCodeCentre, 0, 9},
                         Range{"MissCodeRight", e.MissCodeRight, 0, 19}, Range{"CrawlPhase", e.CrawlPhase, 0, 7},
                         Range{"SyncSteps", e.SyncSteps, 0, 119}, Range{"DisplayLeft", display.Left(), 1, blockLeftTop},
                         Range{"DisplayTop", display.Top(), 1, blockTopTop}})
    if (!Within(r.value, r.low, r.high)) Fail(nowMs, std::string(r.name) + " " + std::to_string(r.value));
  for (int16 flag : {e.HitFlag, e.ReachFlag, e.ReviveFlag, e.BlinkOn})
    if (flag != kTrue && flag != kFalse) Fail(nowMs, "a flag holds " + std::to_string(flag));
}

void SpinTally::EndSpin(const LotteryEngine& e, double nowMs) {
  inSpin_ = false;
  ++counts_.completed;
  const double length = nowMs - spinStartMs_;
  counts_.totalSpinMs += length;
  counts_.longestSpinMs = std::max(counts_.longestSpinMs, length);
  const bool premonition = visited_[Index(Spin::Premonition)];
  if (premonition) ++counts_.premonitions;

  const int16 left = e.ReelPosLeft, centre = e.ReelPosCentre, right = e.ReelPosRight;
  if (left % 4 != 0 || centre % 4 != 0 || right % 4 != 0) {
    Fail(nowMs, "spin ended between codes");
    return;
  }
  if (left != 4 * e.TargetCodeLeft || centre != 4 * e.TargetCodeCentre || right != 4 * e.TargetCodeRight)
    Fail(nowMs, "spin ended off its targets");
  const int16 cl = static_cast<int16>(left / 4), cc = static_cast<int16>(centre / 4), cr = static_cast<int16>(right / 4);
  const bool threeEqual = cl % 10 == cc && cr % 10 == cc;
  if (spinReach_ != (cl % 10 == cr % 10)) Fail(nowMs, "ReachFlag disagrees with the stop");

  if (spinHit_) {
    ++counts_.jackpots;
    if (premonition) ++counts_.premonitionJackpots;
    bool onRow = false;
    for (std::size_t k = 0; k < 40; ++k)
      onRow |= e.HitPatterns[3 * k] == cc && e.HitPatterns[3 * k + 1] == cl && e.HitPatterns[3 * k + 2] == cr;
    if (!onRow || !threeEqual) Fail(nowMs, "jackpot stopped off every outcome row");
    if (!visited_[Index(Spin::Celebration)] || !visited_[Index(Spin::CelebrationEnd)])
      Fail(nowMs, "jackpot without celebration");
    if (visited_[Index(Spin::AllTogetherAlign)]) ++counts_.allTogether;
    else if (visited_[Index(Spin::NearMiss)]) ++counts_.revivals;
    else ++counts_.plainReaches;
  } else {
    if (threeEqual) Fail(nowMs, "miss stopped on three equal digits");
    for (Spin s : {Spin::Celebration, Spin::CelebrationEnd, Spin::NearMiss, Spin::Revival, Spin::AllTogetherAlign,
                   Spin::AllTogetherWait, Spin::AllTogetherRun, Spin::AllTogetherStop})
      if (visited_[Index(s)]) Fail(nowMs, "miss entered state " + std::to_string(StateNumber(s)));
    if (e.ReviveFlag != kFalse) Fail(nowMs, "miss with ReviveFlag");
    if (spinReach_) {
      ++counts_.losingReaches;
      if (premonition) ++counts_.premonitionLosingReaches;
    }
  }
}

}  // namespace zv::testing
