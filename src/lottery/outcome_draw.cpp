// The outcome of a spin: the jackpot lottery, the outcome table, and the losing targets
// taken from the odometer.
#include "lottery/lottery_engine.h"
#include "lottery/single_precision.h"
#include "runtime/table_fill.h"

namespace zv {

void LotteryEngine::FillHitPatterns(int16& storeCursor) {
  // Rows of (centre, left, right). Rows 0-9: left green, right red; 10-19: left red, right
  // green; 20-29: both green; 30-39: both red.
  FillIntegerTable(HitPatterns, storeCursor,
                   {0, 0, 10, 1, 1, 11, 2, 2, 12, 3, 3, 13, 4, 4, 14,
                    5, 5, 15, 6, 6, 16, 7, 7, 17, 8, 8, 18, 9, 9, 19,
                    0, 10, 0, 1, 11, 1, 2, 12, 2, 3, 13, 3, 4, 14, 4,
                    5, 15, 5, 6, 16, 6, 7, 17, 7, 8, 18, 8, 9, 19, 9,
                    0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,
                    5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9,
                    0, 10, 10, 1, 11, 11, 2, 12, 12, 3, 13, 13, 4, 14, 14,
                    5, 15, 15, 6, 16, 16, 7, 17, 17, 8, 18, 18, 9, 19, 19});
}

void LotteryEngine::SetInitialLotteryState() {
  random_.Randomize();
  MissCodeLeft = IntOf(Single(random_.Rnd() * 20.0f));
  MissCodeCentre = IntOf(Single(random_.Rnd() * 10.0f));
  MissCodeRight = IntOf(Single(random_.Rnd() * 20.0f));
  PatternIndex = IntOf(Single(random_.Rnd() * 40.0f));
  SpinState = Spin::NewSpin;
}

// Int(top x Rnd + 1), top converted to single precision. With the largest number the
// generator gives (1 - 2^-24), the single-precision sum rounds up to top + 1 whenever top is a
// power of two: a denominator of 1, or the block on a screen 1153 pixels wide. The result is
// kept within 1..top. A top of 0 always gives 1; a negative top gives top + 1..1, and 1 only
// for a number of exactly 0.
int16 LotteryEngine::RndOneTo(int16 top) {
  const int16 drawn = IntOf(Single(Single(static_cast<float>(top) * random_.Rnd()) + 1.0f));
  return top >= 1 && drawn > top ? top : drawn;
}

void LotteryEngine::DrawOutcome() {
  random_.Randomize();
  // The denominator goes to single precision as it is: a 16-bit ProbDenominator - 1 + 1 would
  // overflow for the lowest Level, -32768.
  LotteryDraw = RndOneTo(globals_.ProbDenominator);
  EffectDraw = IntOf(Single(random_.Rnd() * 17.0f));
  if (LotteryDraw == 1) {
    HitFlag = kTrue;
    const long row = Mul(3, PatternIndex);
    TargetCodeCentre = At<int16>(HitPatterns, row);
    TargetCodeLeft = At<int16>(HitPatterns, row + 1);
    TargetCodeRight = At<int16>(HitPatterns, row + 2);
  } else {
    HitFlag = kFalse;
    AvoidMissJackpot();
    TargetCodeLeft = MissCodeLeft;
    TargetCodeCentre = MissCodeCentre;
    TargetCodeRight = MissCodeRight;
  }
  DetectReach();
}

// A miss must not show three equal digits: when the outer wheels both show the centre's
// digit, the centre wheel moves on by one, and stays moved.
void LotteryEngine::AvoidMissJackpot() {
  const int16 left = MissCodeLeft;
  const int16 centre = MissCodeCentre;
  const int16 right = MissCodeRight;
  const int16 leftTwin = Sub(left, 10);
  const int16 rightTwin = Sub(right, 10);
  if ((centre == left && centre == right) || (centre == leftTwin && centre == right) ||
      (centre == left && centre == rightTwin) || (centre == leftTwin && centre == rightTwin))
    AdvanceMissCentre();
}

// Rows 0-19 list, for code L, the two codes that show its digit.
void LotteryEngine::DetectReach() {
  ReachFlag = kFalse;
  const int16 row = Mul(3, TargetCodeLeft);
  if (At<int16>(HitPatterns, Add(row, 1)) == TargetCodeRight)
    ReachFlag = kTrue;
  else if (At<int16>(HitPatterns, Add(row, 2)) == TargetCodeRight)
    ReachFlag = kTrue;
}

}  // namespace zv
