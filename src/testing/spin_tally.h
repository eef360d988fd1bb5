#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "lottery/lottery_engine.h"
#include "shells/headless/headless_saver_window.h"

namespace zv::testing {

struct SpinCounts {
  std::int64_t started = 0;
  std::int64_t completed = 0;  // back at a new spin; everything below counts completed spins
  std::int64_t jackpots = 0;
  std::int64_t allTogether = 0;  // jackpot presentations: all reels together,
  std::int64_t revivals = 0;     // the reach that stops one past and runs on,
  std::int64_t plainReaches = 0;  // and the plain reach
  std::int64_t losingReaches = 0;
  std::int64_t premonitions = 0;
  std::int64_t premonitionJackpots = 0;
  std::int64_t premonitionLosingReaches = 0;
  double totalSpinMs = 0;  // from the draw to the next new spin
  double longestSpinMs = 0;
};

// Watches a run tick by tick: counts spins and their presentations, and checks what must
// hold at every tick and at the end of every spin.
class SpinTally {
 public:
  void Observe(headless::HeadlessSaverWindow& window, const LotteryEngine& engine);

  const SpinCounts& Counts() const { return counts_; }
  // Every breach, as a line naming the time and what was wrong (the first 50 are kept).
  const std::vector<std::string>& Violations() const { return violations_; }
  std::int64_t ViolationCount() const { return violationCount_; }

 private:
  void CheckTick(headless::HeadlessSaverWindow& window, const LotteryEngine& engine);
  void EndSpin(const LotteryEngine& engine, double nowMs);
  void Fail(double nowMs, const std::string& what);

  SpinCounts counts_;
  std::vector<std::string> violations_;
  std::int64_t violationCount_ = 0;
  Spin previousState_ = Spin::NewSpin;
  bool inSpin_ = false;
  double spinStartMs_ = 0;
  bool spinHit_ = false;
  bool spinReach_ = false;
  std::bitset<StateNumber(Spin::Premonition) + 1> visited_;
};

}  // namespace zv::testing
