// The tick frame of the two timers and the action of every state of a spin.
#include "lottery/lottery_engine.h"

namespace zv {

LotteryEngine::LotteryEngine(const Globals& globals, RandomSource& random, platform::SaverWindow& window)
    : globals_(globals), random_(random), window_(window) {}

void LotteryEngine::Timer1_Timer() {
  TickCycle = Add(TickCycle, 1);
  if (TickCycle > 100) TickCycle = 0;
  PatternIndex = Add(PatternIndex, 1);
  if (PatternIndex > 39) PatternIndex = 0;
  RunState();
}

void LotteryEngine::Timer2_Timer() {
  StateTicks = StateTicks > 999 ? int16{0} : Add(StateTicks, 1);
  FlashPhase = FlashPhase > 9 ? int16{0} : Add(FlashPhase, 1);
}

// State lengths are counted in Timer2 ticks, reel steps in Timer1 ticks. Where a state
// tests StateTicks, the test comes before its steps unless noted.
void LotteryEngine::RunState() {
  const bool evenTick = TickCycle % 2 == 0;
  switch (SpinState) {
    case 0:  // a new spin: the block jumps, the outcome is drawn
      MoveDisplayBlock();
      DrawOutcome();
      Enter(1);
      break;
    case 1:  // the reels stand still
      if (StateTicks > 10) Enter(2);
      break;
    case 2:  // first single step; a premonition replaces the rest of the stepped start
      StepAllReels();
      if ((EffectDraw < 10 && HitFlag != kFalse) || (EffectDraw < 3 && ReachFlag != kFalse) || EffectDraw == 16)
        Enter(40);
      else
        Enter(3);
      break;
    case 3:
      if (StateTicks > 15) Enter(4);
      break;
    case 4:  // second single step
      StepAllReels();
      Enter(5);
      break;
    case 5:
      if (StateTicks > 19) Enter(6);
      break;
    case 6:  // free spin, then the left reel is parked before its target
      if (StateTicks > 300) {
        PreStopOuterReel(TargetCodeLeft, TargetCodeRight);
        Enter(7);
      } else {
        StepAllReels();
        window_.Display().Refresh();
      }
      break;
    case 7:  // TickCycle at this moment picks the jackpot presentation; StateTicks runs on
      StepAllReels();
      if (HitFlag != kFalse && TickCycle < 40) {
        SpinState = 30;
        ReviveFlag = kFalse;
      } else if (HitFlag != kFalse && TickCycle < 70) {
        SpinState = 8;
        ReviveFlag = kTrue;
      } else {
        SpinState = 8;
        ReviveFlag = kFalse;
      }
      break;
    case 8:  // the left reel slows to half speed onto its target
      if (evenTick) StepLeftReel();
      StepCentreReel();
      StepRightReel();
      if (OnTarget(ReelPosLeft, TargetCodeLeft)) Enter(9);
      break;
    case 9:  // the left reel stands; then the right reel is parked before its target
      if (StateTicks > 5) {
        PreStopOuterReel(TargetCodeLeft, TargetCodeRight);
        Enter(10);
      } else {
        StepCentreReel();
        StepRightReel();
      }
      break;
    case 10:  // the right reel slows to half speed onto its target
      if (evenTick) StepRightReel();
      StepCentreReel();
      if (OnTarget(ReelPosRight, TargetCodeRight)) Enter(11);
      break;
    case 11:  // the centre runs on, then is parked; a reach leaves on the first tick
      if (StateTicks <= 5) {
        StepCentreReel();
      } else {
        PreStopCentreReel(TargetCodeCentre);
        Enter(12);
      }
      if (ReachFlag != kFalse) {
        AlignCentreToReach();
        Enter(20);
      }
      break;
    case 12:  // the centre slows to half speed onto its target
      if (evenTick) StepCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre)) Enter(13);
      break;
    case 13:  // all reels stopped; StateTicks runs on into state 14
      if (StateTicks > 50) SpinState = 14;
      break;
    case 14:
      if (HitFlag != kFalse)
        Enter(15);
      else
        SpinState = 0;
      break;
    case 15:  // celebration: the blink phase is updated also on the tick that leaves
      if (StateTicks > 80) Enter(16);
      UpdateBlinkOn();
      break;
    case 16:
      if (StateTicks > 5) {
        HitFlag = kFalse;
        SpinState = 0;
      }
      break;
    case 20:  // reach, first lap of the crawl
      CrawlCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre) && StateTicks > 10) Enter(21);
      break;
    case 21: {  // reach, second lap: a revival stops one code past the target
      CrawlCentreReel();
      const int16 pastTarget = TargetCodeCentre == 9 ? int16{0} : Mul(Add(TargetCodeCentre, 1), 4);
      if (ReviveFlag != kFalse && ReelPosCentre == pastTarget)
        Enter(22);
      else if (OnTarget(ReelPosCentre, TargetCodeCentre) && ReviveFlag == kFalse && StateTicks > 10)
        Enter(13);
      break;
    }
    case 22:  // the near miss stands; StateTicks runs on into state 23
      if (StateTicks > 15) SpinState = 23;
      break;
    case 23:  // the centre runs on at full speed round to its target
      StepCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre)) Enter(13);
      break;
    case 30:  // all together: once the centre rests on a code, the outer reels join it
      if (ReelPosCentre % 4 == 0) {
        ReelPosLeft = Mul(4, TargetCodeLeft);
        ReelPosRight = Mul(4, TargetCodeRight);
        SpinState = 31;
      }
      StepAllReels();
      break;
    case 31:
      if (ReelPosLeft == 0 || ReelPosRight == 0) {
        JumpCentreReel();
        SyncSteps = 0;
        TickCycle = 0;
        SpinState = 32;
      }
      StepAllReels();
      break;
    case 32:
      SyncRun();
      break;
    case 33:  // the test precedes the step, so the reels stop exactly on the jackpot
      if (OnTarget(ReelPosLeft, TargetCodeLeft) && OnTarget(ReelPosCentre, TargetCodeCentre) &&
          OnTarget(ReelPosRight, TargetCodeRight))
        Enter(13);
      else
        StepAllReelsHalf();
      break;
    case 40:  // premonition: hands over to the free spin with StateTicks running on
      if (StateTicks > 100) SpinState = 6;
      StepAllReels();
      break;
    default:
      break;
  }
}

// The block's new place is drawn in single precision from two fresh numbers, within the
// window at the size the block shows; the window is repainted with the block disabled.
void LotteryEngine::MoveDisplayBlock() {
  platform::PictureBox& display = window_.Display();
  display.SetEnabled(false);
  display.SetLeft(RndOneTo(Add(Sub(window_.ScaleWidth(), display.ShownWidth()), 1)));
  display.SetTop(RndOneTo(Add(Sub(window_.ScaleHeight(), display.ShownHeight()), 1)));
  window_.Refresh();
  display.SetEnabled(true);
}

}  // namespace zv
