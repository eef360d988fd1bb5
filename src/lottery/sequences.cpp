// The operations of the reach, all-together and celebration sequences.
#include "lottery/lottery_engine.h"

namespace zv {

void LotteryEngine::AlignCentreToReach() {
  int16 digit = TargetCodeLeft;
  if (digit > 9) digit = Sub(digit, 10);
  ReelPosCentre = Mul(kStepsPerCode, digit);
}

// Of every eight calls, four in a row stand still and the next four step the centre.
void LotteryEngine::CrawlCentreReel() {
  if (CrawlPhase >= 0 && CrawlPhase <= 3) {
    CrawlPhase = Add(CrawlPhase, 1);
  } else if (CrawlPhase >= 4 && CrawlPhase <= 6) {
    StepCentreReel();
    CrawlPhase = Add(CrawlPhase, 1);
  } else if (CrawlPhase == 7) {
    StepCentreReel();
    CrawlPhase = 0;
  }
}

void LotteryEngine::JumpCentreReel() { ReelPosCentre = 32; }

void LotteryEngine::StepAllReelsHalf() {
  if (TickCycle % 2 == 0) StepAllReels();
}

// All together: the three reels run together at half speed. While SyncSteps stands at 39, and
// again at 79, the centre gains two extra steps on each of the two ticks: one whole code.
void LotteryEngine::SyncRun() {
  if (SyncSteps > 79 && ReelPosCentre == 0) {
    SpinState = Spin::AllTogetherStop;
  } else if (SyncSteps == 39 || SyncSteps == 79) {
    StepCentreReel();
    StepCentreReel();
  }
  if (TickCycle % 2 == 0) {
    StepAllReels();
    SyncSteps = Add(SyncSteps, 1);
  }
}

// Blink phase from TickCycle / 10 rounded to the nearest integer, halves to even.
void LotteryEngine::UpdateBlinkOn() {
  const int16 n = CInt(TickCycle / 10.0);
  BlinkOn = Bool(n % 2 == 0);
}

}  // namespace zv
