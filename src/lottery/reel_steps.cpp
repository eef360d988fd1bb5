// Reel steps move a position forward by one with wrap-around; the pre-stops park a reel at
// rest on the code before its target (cyclically).
#include "lottery/lottery_engine.h"
#include "machine/layout_and_timing.h"

namespace zv {
namespace {

int16 Step(int16 position, int16 last) { return position >= last ? int16{0} : Add(position, 1); }

int16 PreStop(int16 code, int16 lastCode) {
  return code == 0 ? Mul(lastCode, kStepsPerCode) : Mul(Sub(code, 1), kStepsPerCode);
}

}  // namespace

void LotteryEngine::StepLeftReel() { ReelPosLeft = Step(ReelPosLeft, kLastOuterPosition); }

void LotteryEngine::StepCentreReel() { ReelPosCentre = Step(ReelPosCentre, kLastCentrePosition); }

void LotteryEngine::StepRightReel() { ReelPosRight = Step(ReelPosRight, kLastOuterPosition); }

void LotteryEngine::PlaceStartingReels() {
  ReelPosLeft = kStartPosLeft;
  ReelPosCentre = kStartPosCentre;
  ReelPosRight = kStartPosRight;
}

void LotteryEngine::StepAllReels() {
  StepLeftReel();
  StepCentreReel();
  StepRightReel();
}

int16 LotteryEngine::OuterPreStop(int16 code) { return PreStop(code, kLastOuterCode); }

int16 LotteryEngine::CentrePreStop(int16 code) { return PreStop(code, kLastCentreCode); }

}  // namespace zv
