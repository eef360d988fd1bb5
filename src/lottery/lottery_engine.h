#pragma once
#include <array>
#include <cstdint>

#include "machine/layout_and_timing.h"
#include "machine/spin_state.h"
#include "platform/saver_window.h"
#include "runtime/int16.h"
#include "runtime/random_source.h"
#include "settings/globals.h"

namespace zv {

// The lottery engine of a saver run: the spin state machine that the two timers drive, the
// outcome draw with its tables and the losing-digit odometer, and the reach, revival,
// all-together, premonition and celebration sequences. The renderer reads its public state;
// the engine never draws a digit. It touches the window only to move the display block and
// to repaint.
//
// Every number is a 16-bit signed integer, every flag a 16-bit boolean (-1 true, 0 false).
class LotteryEngine {
 public:
  LotteryEngine(const Globals& globals, RandomSource& random, platform::SaverWindow& window);

  // --- load sequence
  // Copies the outcome table in at the running write index (the caller resets it first).
  void FillHitPatterns(int16& storeCursor);
  // The reels where they stand until the first spin: a red 3, a red 1 and a red 3.
  void PlaceStartingReels();
  // Reseeds, draws the odometer's starting wheels and the starting row, and parks the
  // machine at a new spin.
  void SetInitialLotteryState();

  // --- timers
  // One step of the spin timer, after the window's screen-saver-active call: TickCycle,
  // PatternIndex, then the action of the current state.
  void Timer1_Timer();
  // The counting timer: StateTicks and FlashPhase, nothing else.
  void Timer2_Timer();
  // The premonition's flash phase after the one given, at the next Timer2 tick.
  static int16 NextFlashPhase(int16 flashPhase) { return flashPhase > 9 ? int16{0} : Add(flashPhase, 1); }

  // --- reel steps
  void StepLeftReel();
  void StepCentreReel();
  void StepRightReel();
  void StepAllReels();
  // Where a reel is parked at rest one code before `code` (cyclically), so that four steps
  // land on it.
  static int16 OuterPreStop(int16 code);
  static int16 CentrePreStop(int16 code);

  // --- outcome draw and losing-digit odometer
  void DrawOutcome();
  void AvoidMissJackpot();
  void AdvanceMissCentre();
  // One pass of the main loop: the odometer moves on by one.
  void AdvanceMissOdometer();
  // The same as that many calls of AdvanceMissOdometer, for passes skipped as idle.
  void AdvanceMissOdometerBy(std::int64_t passes);
  void DetectReach();

  // --- sequences
  void AlignCentreToReach();
  void CrawlCentreReel();
  void JumpCentreReel();
  void StepAllReelsHalf();

  // --- state of the spin state machine
  Spin SpinState = Spin::NewSpin;
  int16 StateTicks = 0;      // 0-1000, Timer2 ticks since the last reset
  int16 TickCycle = 0;       // 0-100, Timer1 ticks; parity gates the half-speed steps
  int16 PatternIndex = 0;    // 0-39, Timer1 ticks; the outcome row of a jackpot
  int16 FlashPhase = 0;      // 0-10, Timer2 ticks; the premonition's flash
  int16 ReelPosLeft = 0;     // 0-79: 4 x digit code + scroll sub-step
  int16 ReelPosCentre = 0;   // 0-39
  int16 ReelPosRight = 0;    // 0-79
  int16 TargetCodeLeft = 0;  // 0-19
  int16 TargetCodeCentre = 0;  // 0-9
  int16 TargetCodeRight = 0;   // 0-19

  // --- outcome draw
  int16 LotteryDraw = 0;     // 1-ProbDenominator; 1 is the jackpot
  int16 EffectDraw = 0;      // 0-16; picks the premonition
  int16 HitFlag = kFalse;    // this spin is a jackpot
  int16 ReachFlag = kFalse;  // the left and right targets show the same digit
  // 40 rows of (centre, left, right) codes, one jackpot per row; rows 0-19 double as the
  // lookup of the two codes that show the digit of a given code.
  std::array<int16, 120> HitPatterns{};
  // The odometer of losing digits: left turns fastest, right next, centre slowest.
  int16 MissCodeLeft = 0;    // 0-19
  int16 MissCodeCentre = 0;  // 0-9
  int16 MissCodeRight = 0;   // 0-19

  // --- sequences
  int16 ReviveFlag = kFalse;  // this jackpot reach stops one code past and then runs on
  int16 BlinkOn = kFalse;     // blink phase of the celebration
  int16 CrawlPhase = 0;       // 0-7, never reset: carries over from one reach to the next
  int16 SyncSteps = 0;        // 0-119, common steps of the all-together run

 private:
  void RunState();
  void MoveDisplayBlock();
  void SyncRun();
  void UpdateBlinkOn();
  // Int(top x Rnd + 1) in single precision, kept within 1..top when top is 1 or more.
  int16 RndOneTo(int16 top);
  bool OnTarget(int16 position, int16 code) const { return position == Mul(kStepsPerCode, code); }
  void Enter(Spin state) {
    SpinState = state;
    StateTicks = 0;
  }

  const Globals& globals_;
  RandomSource& random_;
  platform::SaverWindow& window_;
};

}  // namespace zv
