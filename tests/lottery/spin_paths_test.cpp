// Whole spins, tick by tick, along every path of the state table.
#include "engine_fixture.h"

namespace zv::testing {
namespace {

using StateList = std::vector<int16>;

class SpinPathTest : public EngineTest {
 protected:
  std::array<int16, 3> Reels() const { return {engine.ReelPosLeft, engine.ReelPosCentre, engine.ReelPosRight}; }
  // Runs up to state 7 and sets TickCycle so that state 7 sees `tickCycle`.
  void ArriveAtSevenWith(int16 tickCycle) {
    RunUntil(7);
    engine.TickCycle = tickCycle - 1;
  }
};

TEST_F(SpinPathTest, PlainMissStopsLeftRightCentreOnTheOdometerCodes) {
  SetOdometer(5, 2, 8);
  ScriptSpin(false, 5);
  EXPECT_EQ(RunSpin(), (StateList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}));
  EXPECT_EQ(engine.HitFlag, kFalse);
  EXPECT_EQ(engine.ReachFlag, kFalse);
  // Each reel is parked one code before its target, then takes four steps onto it.
  EXPECT_EQ(Find(6, 7).left, 16);
  EXPECT_EQ(Find(9, 10).right, 28);
  EXPECT_EQ(Find(11, 12).centre, 4);
  EXPECT_EQ(Find(8, 9).left, 20);
  EXPECT_EQ(Find(10, 11).right, 32);
  EXPECT_EQ(Find(12, 13).centre, 8);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{20, 8, 32}));
  EXPECT_EQ(window.Display().Left(), 224);
}

TEST_F(SpinPathTest, StopsOnCodeZeroWrapThroughTheLastPositions) {
  SetOdometer(0, 0, 10);  // left green 0, right red 0: a reach; centre nudged to 1
  ScriptSpin(false, 5);
  RunUntil(7);
  EXPECT_EQ(engine.ReelPosLeft, 76);
  RunUntil(9);
  EXPECT_EQ(engine.ReelPosLeft, 0);
  RunUntil(10);
  EXPECT_EQ(engine.ReelPosRight, 36);
  RunUntil(11);
  EXPECT_EQ(engine.ReelPosRight, 40);
  RunSpin();
  EXPECT_EQ(Reels(), (std::array<int16, 3>{0, 4, 40}));
}

TEST_F(SpinPathTest, LeftReelSlowsToHalfSpeedWhileTheOthersRunOn) {
  SetOdometer(5, 2, 8);
  ScriptSpin(false, 5);
  RunUntil(8);
  std::vector<int16> left, centre;
  while (engine.SpinState == 8) {
    const bool even = (engine.TickCycle + 1) % 2 == 0;
    const int16 l = engine.ReelPosLeft, c = engine.ReelPosCentre;
    Tick();
    EXPECT_EQ(engine.ReelPosLeft, even ? (l + 1) % 80 : l);
    EXPECT_EQ(engine.ReelPosCentre, (c + 1) % 40);
  }
}

TEST_F(SpinPathTest, LosingReachCrawlsFromTheReachDigitToTheNudgedCentre) {
  SetOdometer(13, 3, 3);  // a would-be jackpot on 3: targets 13, 4, 3
  ScriptSpin(false, 5);
  ArriveAtSevenWith(50);  // a revival draw: a miss ignores it
  EXPECT_EQ(RunSpin(), (StateList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21, 13, 14, 0}));
  EXPECT_EQ(engine.ReviveFlag, kFalse);
  EXPECT_EQ(Find(11, 20).centre, 12);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{52, 16, 12}));
}

TEST_F(SpinPathTest, PlainReachJackpotCelebratesAndClearsTheHit) {
  engine.PatternIndex = 4;  // row 5: centre 5, left 5, right 15
  ScriptSpin(true, 12);
  ArriveAtSevenWith(70);
  EXPECT_EQ(RunSpin(), (StateList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21, 13, 14, 15, 16, 0}));
  EXPECT_EQ(engine.ReviveFlag, kFalse);
  EXPECT_EQ(engine.HitFlag, kFalse);
  EXPECT_EQ(Find(11, 20).centre, 20);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{20, 20, 60}));
}

TEST_F(SpinPathTest, RevivalOnNineStopsOnZeroThenRunsRoundToNine) {
  engine.PatternIndex = 8;  // row 9: centre 9, left 9, right 19
  ScriptSpin(true, 12);
  ArriveAtSevenWith(69);
  EXPECT_EQ(RunSpin(), (StateList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21, 22, 23, 13, 14, 15, 16, 0}));
  EXPECT_EQ(engine.ReviveFlag, kTrue);
  EXPECT_EQ(Find(21, 22).centre, 0);
  EXPECT_EQ(Find(22, 23).centre, 0);
  EXPECT_EQ(Find(23, 13).tick - Find(22, 23).tick, 36) << "one full-speed step a tick";
  EXPECT_EQ(Reels(), (std::array<int16, 3>{36, 36, 76}));
}

TEST_F(SpinPathTest, RevivalWaitsInTwentyTwoWithStateTicksRunningOn) {
  engine.PatternIndex = 2;  // row 3
  ScriptSpin(true, 12);
  ArriveAtSevenWith(40);
  RunUntil(22);
  EXPECT_EQ(engine.ReelPosCentre, 16) << "one code past the target";
  RunUntil(23);
  EXPECT_EQ(engine.StateTicks, 20) << "the first count over 15, not reset";
  EXPECT_EQ(engine.ReelPosCentre, 16) << "no step on the tick that leaves";
  Tick();
  EXPECT_EQ(engine.ReelPosCentre, 17);
  RunSpin();
  EXPECT_EQ(Reels(), (std::array<int16, 3>{12, 12, 52}));
}

TEST_F(SpinPathTest, AllTogetherJackpotStopsOnItsRowAndCelebrates) {
  engine.PatternIndex = 31;  // row 32: centre 2, left 12, right 12
  ScriptSpin(true, 12);
  ArriveAtSevenWith(39);
  EXPECT_EQ(RunSpin(), (StateList{0, 1, 2, 3, 4, 5, 6, 7, 30, 31, 32, 33, 13, 14, 15, 16, 0}));
  EXPECT_EQ(Find(31, 32).centre, 33) << "jumped to 32, then stepped";
  EXPECT_EQ(Reels(), (std::array<int16, 3>{48, 8, 48}));
}

TEST_F(SpinPathTest, PremonitionReplacesTheSteppedStartAndEndsTheFreeSpinOnTime) {
  engine.PatternIndex = 39;  // wraps to row 0: left code 0
  ScriptSpin(true, 9);
  RunUntil(7);
  const StateList start{0, 1, 2, 40, 6, 7};
  EXPECT_EQ(States(seen), start);
  // Five counts per tick: 40 leaves at 105 (> 100), 6 at 305 (> 300), never reset between.
  EXPECT_EQ(Find(40, 6).tick - Find(2, 40).tick, 21);
  EXPECT_EQ(Find(6, 7).tick - Find(2, 40).tick, 61);
  EXPECT_EQ(Find(6, 7).left, 76) ;
}

TEST_F(SpinPathTest, PremonitionStepsAllReelsOnEveryTickIncludingTheLastOne) {
  engine.SpinState = 40;
  engine.StateTicks = 96;
  Tick();
  EXPECT_EQ(engine.SpinState, 6);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{53, 5, 53}));
}

TEST_F(SpinPathTest, PremonitionGoesToElevenJackpotEffectsFourReachAndOneMiss) {
  struct Kind {
    int16 hit, reach;
    int expected;
  };
  for (const Kind& kind : {Kind{kTrue, kTrue, 11}, Kind{kFalse, kTrue, 4}, Kind{kFalse, kFalse, 1}}) {
    int premonitions = 0;
    for (int16 effect = 0; effect <= 16; ++effect) {
      engine.SpinState = 2;
      engine.HitFlag = kind.hit;
      engine.ReachFlag = kind.reach;
      engine.EffectDraw = effect;
      Tick();
      ASSERT_TRUE(engine.SpinState == 40 || engine.SpinState == 3);
      EXPECT_EQ(engine.StateTicks, 0);
      premonitions += engine.SpinState == 40;
    }
    EXPECT_EQ(premonitions, kind.expected) << "hit " << kind.hit << " reach " << kind.reach;
  }
}

TEST_F(SpinPathTest, PresentationFollowsTickCycleInStateSeven) {
  for (int16 tickCycle = 0; tickCycle <= 100; ++tickCycle) {
    engine.SpinState = 7;
    engine.HitFlag = kTrue;
    engine.TickCycle = tickCycle - 1 < 0 ? int16{100} : int16(tickCycle - 1);
    engine.StateTicks = 3;
    Tick(0);
    const int16 state = tickCycle < 40 ? 30 : 8;
    EXPECT_EQ(engine.SpinState, state) << tickCycle;
    EXPECT_EQ(engine.ReviveFlag, Bool(tickCycle >= 40 && tickCycle < 70)) << tickCycle;
    EXPECT_EQ(engine.StateTicks, 3);
  }
}

}  // namespace
}  // namespace zv::testing
