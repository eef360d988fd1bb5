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
  FlashPhase = NextFlashPhase(FlashPhase);
}

// State lengths are counted in Timer2 ticks, reel steps in Timer1 ticks. Where a state
// tests StateTicks, the test comes before its steps unless noted.
void LotteryEngine::RunState() {
  using enum Spin;
  const bool evenTick = TickCycle % 2 == 0;
  switch (SpinState) {
    case NewSpin:  // the block jumps, the outcome is drawn
      MoveDisplayBlock();
      DrawOutcome();
      Enter(Rest);
      break;
    case Rest:  // the reels stand still
      if (StateTicks > 10) Enter(FirstStep);
      break;
    case FirstStep:  // first single step; a premonition replaces the rest of the stepped start
      StepAllReels();
      if ((EffectDraw < 10 && HitFlag != kFalse) || (EffectDraw < 3 && ReachFlag != kFalse) || EffectDraw == 16)
        Enter(Premonition);
      else
        Enter(AfterFirstStep);
      break;
    case AfterFirstStep:
      if (StateTicks > 15) Enter(SecondStep);
      break;
    case SecondStep:  // second single step
      StepAllReels();
      Enter(AfterSecondStep);
      break;
    case AfterSecondStep:
      if (StateTicks > 19) Enter(FreeSpin);
      break;
    case FreeSpin:  // free spin, then the left reel is parked before its target
      if (StateTicks > 300) {
        ReelPosLeft = OuterPreStop(TargetCodeLeft);
        Enter(Presentation);
      } else {
        StepAllReels();
        window_.Display().Refresh();
      }
      break;
    case Presentation:  // TickCycle at this moment picks the jackpot presentation; StateTicks runs on
      StepAllReels();
      if (HitFlag != kFalse && TickCycle < 40) {
        SpinState = AllTogetherAlign;
        ReviveFlag = kFalse;
      } else if (HitFlag != kFalse && TickCycle < 70) {
        SpinState = LeftSlows;
        ReviveFlag = kTrue;
      } else {
        SpinState = LeftSlows;
        ReviveFlag = kFalse;
      }
      break;
    case LeftSlows:  // the left reel slows to half speed onto its target
      if (evenTick) StepLeftReel();
      StepCentreReel();
      StepRightReel();
      if (OnTarget(ReelPosLeft, TargetCodeLeft)) Enter(LeftStands);
      break;
    case LeftStands:  // the left reel stands; then the right reel is parked before its target
      if (StateTicks > 5) {
        ReelPosRight = OuterPreStop(TargetCodeRight);
        Enter(RightSlows);
      } else {
        StepCentreReel();
        StepRightReel();
      }
      break;
    case RightSlows:  // the right reel slows to half speed onto its target
      if (evenTick) StepRightReel();
      StepCentreReel();
      if (OnTarget(ReelPosRight, TargetCodeRight)) Enter(CentreRunsOn);
      break;
    case CentreRunsOn:  // the centre runs on, then is parked; a reach leaves on the first tick
      if (StateTicks <= 5) {
        StepCentreReel();
      } else {
        ReelPosCentre = CentrePreStop(TargetCodeCentre);
        Enter(CentreSlows);
      }
      if (ReachFlag != kFalse) {
        AlignCentreToReach();
        Enter(ReachFirstLap);
      }
      break;
    case CentreSlows:  // the centre slows to half speed onto its target
      if (evenTick) StepCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre)) Enter(AllStopped);
      break;
    case AllStopped:  // all reels stopped; StateTicks runs on into the verdict
      if (StateTicks > 50) SpinState = Verdict;
      break;
    case Verdict:
      if (HitFlag != kFalse)
        Enter(Celebration);
      else
        SpinState = NewSpin;
      break;
    case Celebration:  // the blink phase is updated also on the tick that leaves
      if (StateTicks > 80) Enter(CelebrationEnd);
      UpdateBlinkOn();
      break;
    case CelebrationEnd:
      if (StateTicks > 5) {
        HitFlag = kFalse;
        SpinState = NewSpin;
      }
      break;
    case ReachFirstLap:  // reach, first lap of the crawl
      CrawlCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre) && StateTicks > 10) Enter(ReachSecondLap);
      break;
    case ReachSecondLap: {  // reach, second lap: a revival stops one code past the target
      CrawlCentreReel();
      const int16 pastTarget =
          TargetCodeCentre == kLastCentreCode ? int16{0} : Mul(Add(TargetCodeCentre, 1), kStepsPerCode);
      if (ReviveFlag != kFalse && ReelPosCentre == pastTarget)
        Enter(NearMiss);
      else if (OnTarget(ReelPosCentre, TargetCodeCentre) && ReviveFlag == kFalse && StateTicks > 10)
        Enter(AllStopped);
      break;
    }
    case NearMiss:  // the near miss stands; StateTicks runs on into the revival
      if (StateTicks > 15) SpinState = Revival;
      break;
    case Revival:  // the centre runs on at full speed round to its target
      StepCentreReel();
      if (OnTarget(ReelPosCentre, TargetCodeCentre)) Enter(AllStopped);
      break;
    case AllTogetherAlign:  // once the centre rests on a code, the outer reels join it
      if (ReelPosCentre % kStepsPerCode == 0) {
        ReelPosLeft = Mul(kStepsPerCode, TargetCodeLeft);
        ReelPosRight = Mul(kStepsPerCode, TargetCodeRight);
        SpinState = AllTogetherWait;
      }
      StepAllReels();
      break;
    case AllTogetherWait:
      if (ReelPosLeft == 0 || ReelPosRight == 0) {
        JumpCentreReel();
        SyncSteps = 0;
        TickCycle = 0;
        SpinState = AllTogetherRun;
      }
      StepAllReels();
      break;
    case AllTogetherRun:
      SyncRun();
      break;
    case AllTogetherStop:  // the test precedes the step, so the reels stop exactly on the jackpot
      if (OnTarget(ReelPosLeft, TargetCodeLeft) && OnTarget(ReelPosCentre, TargetCodeCentre) &&
          OnTarget(ReelPosRight, TargetCodeRight))
        Enter(AllStopped);
      else
        StepAllReelsHalf();
      break;
    case Premonition:  // hands over to the free spin with StateTicks running on
      if (StateTicks > 100) SpinState = FreeSpin;
      StepAllReels();
      break;
    default:
      break;
  }
}

// The block's new place is drawn in single precision from two fresh numbers; the window
// is repainted with the block disabled.
void LotteryEngine::MoveDisplayBlock() {
  platform::PictureBox& display = window_.Display();
  display.SetEnabled(false);
  display.SetLeft(RndOneTo(Add(Sub(window_.ScaleWidth(), display.Width()), 1)));
  display.SetTop(RndOneTo(Add(Sub(window_.ScaleHeight(), display.Height()), 1)));
  window_.Refresh();
  display.SetEnabled(true);
}

}  // namespace zv
