// Reel steps move a position forward by one with wrap-around; the pre-stops park a reel at
// rest on the code before its target (cyclically).
#include "lottery/lottery_engine.h"

namespace zv {

void LotteryEngine::StepLeftReel() { ReelPosLeft = ReelPosLeft >= 79 ? int16{0} : Add(ReelPosLeft, 1); }

void LotteryEngine::StepCentreReel() { ReelPosCentre = ReelPosCentre >= 39 ? int16{0} : Add(ReelPosCentre, 1); }

void LotteryEngine::StepRightReel() { ReelPosRight = ReelPosRight >= 79 ? int16{0} : Add(ReelPosRight, 1); }

void LotteryEngine::StepAllReels() {
  StepLeftReel();
  StepCentreReel();
  StepRightReel();
}

void LotteryEngine::PreStopOuterReel(int16 leftCode, int16 rightCode) {
  if (SpinState == 6) ReelPosLeft = leftCode == 0 ? int16{76} : Mul(Sub(leftCode, 1), 4);
  if (SpinState == 9) ReelPosRight = rightCode == 0 ? int16{76} : Mul(Sub(rightCode, 1), 4);
}

void LotteryEngine::PreStopCentreReel(int16 centreCode) {
  if (SpinState == 11) ReelPosCentre = centreCode == 0 ? int16{36} : Mul(Sub(centreCode, 1), 4);
}

}  // namespace zv
