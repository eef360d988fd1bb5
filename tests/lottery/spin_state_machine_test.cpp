#include "engine_test.h"

namespace zv::testing {
namespace {

using enum Spin;

using SpinStateMachineTest = EngineTest;

TEST_F(SpinStateMachineTest, Timer1CountersWrapByCompare) {
  engine.SpinState = AllStopped;  // a state that only waits
  engine.TickCycle = 99;
  engine.PatternIndex = 38;
  engine.Timer1_Timer();
  EXPECT_EQ(engine.TickCycle, 100);
  EXPECT_EQ(engine.PatternIndex, 39);
  engine.Timer1_Timer();
  EXPECT_EQ(engine.TickCycle, 0);
  EXPECT_EQ(engine.PatternIndex, 0);
  // Both cycle on through every state, the states that do nothing included.
  engine.SpinState = static_cast<Spin>(25);
  engine.Timer1_Timer();
  EXPECT_EQ(engine.TickCycle, 1);
  EXPECT_EQ(engine.PatternIndex, 1);
  EXPECT_EQ(engine.SpinState, static_cast<Spin>(25));
}

TEST_F(SpinStateMachineTest, Timer2CountsStateTicksAndFlashPhaseOnly) {
  engine.StateTicks = 999;
  engine.FlashPhase = 9;
  engine.Timer2_Timer();
  EXPECT_EQ(engine.StateTicks, 1000);
  EXPECT_EQ(engine.FlashPhase, 10);
  engine.Timer2_Timer();
  EXPECT_EQ(engine.StateTicks, 0);
  EXPECT_EQ(engine.FlashPhase, 0);
  EXPECT_EQ(engine.TickCycle, 0);
  EXPECT_EQ(engine.ReelPosLeft, 52);
}

TEST(PreStop, ParksOneCodeBeforeTheTargetWrappingToTheLastCode) {
  EXPECT_EQ(LotteryEngine::OuterPreStop(0), 76);
  EXPECT_EQ(LotteryEngine::OuterPreStop(13), 48);
  EXPECT_EQ(LotteryEngine::OuterPreStop(19), 72);
  EXPECT_EQ(LotteryEngine::CentrePreStop(0), 36);
  EXPECT_EQ(LotteryEngine::CentrePreStop(3), 8);
  EXPECT_EQ(LotteryEngine::CentrePreStop(9), 32);
}

TEST_F(SpinStateMachineTest, NewSpinMovesTheBlockThenDrawsWithTheBlockDisabledForTheRepaint) {
  random = ScriptedRandom{0.5f, 0.25f, 0.5f, 0.0f};  // block left, top, lottery, effect
  engine.Timer1_Timer();
  EXPECT_EQ(window.Display().Left(), 448);  // Int(895 x 0.5 + 1)
  EXPECT_EQ(window.Display().Top(), 176);   // Int(701 x 0.25 + 1)
  EXPECT_EQ(window.displayEnabledAtRepaint, std::vector<bool>{false});
  EXPECT_TRUE(window.DisplayEnabled());
  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(random.drawn, 4);
  EXPECT_EQ(engine.LotteryDraw, 151);
  EXPECT_EQ(engine.SpinState, Rest);
  EXPECT_EQ(engine.StateTicks, 0);
}

TEST_F(SpinStateMachineTest, BlockStaysOnTheScreen) {
  for (auto [number, left, top] : {std::array<float, 3>{0.0f, 1, 1}, {0.9999999f, 895, 701}}) {
    random = ScriptedRandom{number, number, 0.5f, 0.0f};
    engine.SpinState = NewSpin;
    engine.Timer1_Timer();
    EXPECT_EQ(window.Display().Left(), left) << number;
    EXPECT_EQ(window.Display().Top(), top) << number;
  }
}

class WideScreenTest : public EngineTest {
 protected:
  WideScreenTest() : EngineTest(1153, 1091) {}
};

// 1153 - 130 + 1 and 1091 - 68 + 1 are 1024: the single-precision arithmetic would put the
// block one pixel past its range with the largest number.
TEST_F(WideScreenTest, BlockKeepsToItsRangeWhereSinglePrecisionRoundsUp) {
  const float largest = 1.0f - 1.0f / 16777216.0f;
  random = ScriptedRandom{largest, largest, 0.5f, 0.0f};
  engine.Timer1_Timer();
  EXPECT_EQ(window.Display().Left(), 1024);
  EXPECT_EQ(window.Display().Top(), 1024);
}

TEST_F(SpinStateMachineTest, WaitingStatesTestStateTicksBeforeActing) {
  // The rest leaves only when StateTicks exceeds 10, whichever count the timers reached.
  engine.SpinState = Rest;
  engine.StateTicks = 10;
  Tick(0);
  EXPECT_EQ(engine.SpinState, Rest);
  Tick(1);
  EXPECT_EQ(engine.SpinState, FirstStep);
  EXPECT_EQ(engine.StateTicks, 0);
  // The free spin makes no step on the tick that parks the left reel.
  engine.SpinState = FreeSpin;
  engine.StateTicks = 301;
  engine.TargetCodeLeft = 0;
  engine.ReelPosCentre = 7;
  const std::int64_t repaints = window.DisplayRefreshes();
  Tick(0);
  EXPECT_EQ(engine.SpinState, Presentation);
  EXPECT_EQ(engine.ReelPosLeft, 76);
  EXPECT_EQ(engine.ReelPosCentre, 7);
  EXPECT_EQ(window.DisplayRefreshes(), repaints);
  // ...and repaints the block on every tick it spins.
  engine.SpinState = FreeSpin;
  engine.StateTicks = 300;
  Tick(0);
  EXPECT_EQ(engine.ReelPosCentre, 8);
  EXPECT_EQ(window.DisplayRefreshes(), repaints + 1);
}

TEST_F(SpinStateMachineTest, AllStoppedRunsIntoTheVerdictWithoutReset) {
  engine.SpinState = AllStopped;
  engine.HitFlag = kFalse;
  engine.StateTicks = 50;
  Tick(0);
  EXPECT_EQ(engine.SpinState, AllStopped);
  Tick(1);
  EXPECT_EQ(engine.SpinState, Verdict);
  EXPECT_EQ(engine.StateTicks, 51);
  Tick(0);
  EXPECT_EQ(engine.SpinState, NewSpin);
  EXPECT_EQ(engine.StateTicks, 51);
}

TEST_F(SpinStateMachineTest, UnknownStatesDoNothing) {
  for (int16 number : {17, 19, 24, 29, 34, 39, 41, -1}) {
    const Spin state = static_cast<Spin>(number);
    engine.SpinState = state;
    Tick();
    EXPECT_EQ(engine.SpinState, state);
    EXPECT_EQ((std::array<int16, 3>{engine.ReelPosLeft, engine.ReelPosCentre, engine.ReelPosRight}),
              (std::array<int16, 3>{52, 4, 52}));
  }
}

TEST_F(SpinStateMachineTest, CentreRunsOnWithAReachLeavesOnItsFirstTick) {
  engine.TargetCodeLeft = 13;
  engine.TargetCodeRight = 3;
  engine.TargetCodeCentre = 4;
  engine.ReachFlag = kTrue;
  for (int16 ticks : {0, 6}) {  // the centre steps first, or is parked first
    engine.SpinState = CentreRunsOn;
    engine.StateTicks = ticks;
    engine.ReelPosCentre = 21;
    Tick(0);
    EXPECT_EQ(engine.SpinState, ReachFirstLap);
    EXPECT_EQ(engine.StateTicks, 0);
    EXPECT_EQ(engine.ReelPosCentre, 12) << "aligned on digit 3";
  }
}

}  // namespace
}  // namespace zv::testing
