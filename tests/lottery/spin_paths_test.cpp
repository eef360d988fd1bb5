// Whole spins, tick by tick, along every path of the state table.
#include "engine_test.h"

namespace zv::testing {
namespace {

using enum Spin;

using StateList = std::vector<Spin>;

// The states of a spin from its draw through the stepped start and the free spin to the
// presentation, then `rest`.
StateList StartThen(std::initializer_list<Spin> rest) {
  StateList states{NewSpin, Rest, FirstStep, AfterFirstStep, SecondStep, AfterSecondStep, FreeSpin, Presentation};
  states.insert(states.end(), rest);
  return states;
}

class SpinPathTest : public EngineTest {
 protected:
  std::array<int16, 3> Reels() const { return {engine.ReelPosLeft, engine.ReelPosCentre, engine.ReelPosRight}; }
  // Runs up to the presentation and sets TickCycle so that its tick sees `tickCycle`.
  void ArriveAtPresentationWith(int16 tickCycle) {
    RunUntil(Presentation);
    engine.TickCycle = tickCycle - 1;
  }
};

TEST_F(SpinPathTest, PlainMissStopsLeftRightCentreOnTheOdometerCodes) {
  SetOdometer(5, 2, 8);
  ScriptSpin(false, 5);
  EXPECT_EQ(RunSpin(),
            StartThen({LeftSlows, LeftStands, RightSlows, CentreRunsOn, CentreSlows, AllStopped, Verdict, NewSpin}));
  EXPECT_EQ(engine.HitFlag, kFalse);
  EXPECT_EQ(engine.ReachFlag, kFalse);
  // Each reel is parked one code before its target, then takes four steps onto it.
  EXPECT_EQ(Find(FreeSpin, Presentation).left, 16);
  EXPECT_EQ(Find(LeftStands, RightSlows).right, 28);
  EXPECT_EQ(Find(CentreRunsOn, CentreSlows).centre, 4);
  EXPECT_EQ(Find(LeftSlows, LeftStands).left, 20);
  EXPECT_EQ(Find(RightSlows, CentreRunsOn).right, 32);
  EXPECT_EQ(Find(CentreSlows, AllStopped).centre, 8);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{20, 8, 32}));
  EXPECT_EQ(window.Display().Left(), 224);
}

TEST_F(SpinPathTest, StopsOnCodeZeroWrapThroughTheLastPositions) {
  SetOdometer(0, 0, 10);  // left green 0, right red 0: a reach; centre nudged to 1
  ScriptSpin(false, 5);
  RunUntil(Presentation);
  EXPECT_EQ(engine.ReelPosLeft, 76);
  RunUntil(LeftStands);
  EXPECT_EQ(engine.ReelPosLeft, 0);
  RunUntil(RightSlows);
  EXPECT_EQ(engine.ReelPosRight, 36);
  RunUntil(CentreRunsOn);
  EXPECT_EQ(engine.ReelPosRight, 40);
  RunSpin();
  EXPECT_EQ(Reels(), (std::array<int16, 3>{0, 4, 40}));
}

// A reel slowing onto its target steps only on the ticks that make TickCycle even; the reels
// still running step on every tick, the stopped ones stand.
TEST_F(SpinPathTest, EachReelSlowsToHalfSpeedOnEvenTicksWhileTheOthersRunOnOrStand) {
  enum Pace { Stands, Half, Full };
  const struct {
    Spin state;
    std::array<Pace, 3> paces;  // left, centre, right
  } approaches[] = {{LeftSlows, {Half, Full, Full}}, {RightSlows, {Stands, Full, Half}},
                    {CentreSlows, {Stands, Half, Stands}}};
  const std::array<int16, 3> positions{80, 40, 80};
  SetOdometer(5, 2, 8);
  ScriptSpin(false, 5);
  for (const auto& approach : approaches) {
    RunUntil(approach.state);
    int evenTicks = 0, oddTicks = 0;
    while (engine.SpinState == approach.state) {
      const std::array<int16, 3> before = Reels();
      Tick();
      const bool even = engine.TickCycle % 2 == 0;  // as the tick saw it
      for (std::size_t reel = 0; reel < 3; ++reel) {
        const Pace pace = approach.paces[reel];
        const bool steps = pace == Full || (pace == Half && even);
        ASSERT_EQ(Reels()[reel], steps ? (before[reel] + 1) % positions[reel] : before[reel])
            << "state " << StateNumber(approach.state) << ", reel " << reel << ", TickCycle " << engine.TickCycle;
      }
      (even ? evenTicks : oddTicks)++;
    }
    EXPECT_TRUE(evenTicks > 0 && oddTicks > 0) << "state " << StateNumber(approach.state) << " saw both parities";
  }
}

TEST_F(SpinPathTest, LosingReachCrawlsFromTheReachDigitToTheNudgedCentre) {
  SetOdometer(13, 3, 3);  // a would-be jackpot on 3: targets 13, 4, 3
  ScriptSpin(false, 5);
  ArriveAtPresentationWith(50);  // a revival draw: a miss ignores it
  EXPECT_EQ(RunSpin(), StartThen({LeftSlows, LeftStands, RightSlows, CentreRunsOn, ReachFirstLap, ReachSecondLap,
                                  AllStopped, Verdict, NewSpin}));
  EXPECT_EQ(engine.ReviveFlag, kFalse);
  EXPECT_EQ(Find(CentreRunsOn, ReachFirstLap).centre, 12);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{52, 16, 12}));
}

TEST_F(SpinPathTest, PlainReachJackpotCelebratesAndClearsTheHit) {
  engine.PatternIndex = 4;  // row 5: centre 5, left 5, right 15
  ScriptSpin(true, 12);
  ArriveAtPresentationWith(70);
  EXPECT_EQ(RunSpin(), StartThen({LeftSlows, LeftStands, RightSlows, CentreRunsOn, ReachFirstLap, ReachSecondLap,
                                  AllStopped, Verdict, Celebration, CelebrationEnd, NewSpin}));
  EXPECT_EQ(engine.ReviveFlag, kFalse);
  EXPECT_EQ(engine.HitFlag, kFalse);
  EXPECT_EQ(Find(CentreRunsOn, ReachFirstLap).centre, 20);
  EXPECT_EQ(Reels(), (std::array<int16, 3>{20, 20, 60}));
}

TEST_F(SpinPathTest, RevivalOnNineStopsOnZeroThenRunsRoundToNine) {
  engine.PatternIndex = 8;  // row 9: centre 9, left 9, right 19
  ScriptSpin(true, 12);
  ArriveAtPresentationWith(69);
  EXPECT_EQ(RunSpin(), StartThen({LeftSlows, LeftStands, RightSlows, CentreRunsOn, ReachFirstLap, ReachSecondLap,
                                  NearMiss, Revival, AllStopped, Verdict, Celebration, CelebrationEnd, NewSpin}));
  EXPECT_EQ(engine.ReviveFlag, kTrue);
  EXPECT_EQ(Find(ReachSecondLap, NearMiss).centre, 0);
  EXPECT_EQ(Find(NearMiss, Revival).centre, 0);
  EXPECT_EQ(Find(Revival, AllStopped).tick - Find(NearMiss, Revival).tick, 36) << "one full-speed step a tick";
  EXPECT_EQ(Reels(), (std::array<int16, 3>{36, 36, 76}));
}

TEST_F(SpinPathTest, RevivalWaitsInTwentyTwoWithStateTicksRunningOn) {
  engine.PatternIndex = 2;  // row 3
  ScriptSpin(true, 12);
  ArriveAtPresentationWith(40);
  RunUntil(NearMiss);
  EXPECT_EQ(engine.ReelPosCentre, 16) << "one code past the target";
  RunUntil(Revival);
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
  ArriveAtPresentationWith(39);
  EXPECT_EQ(RunSpin(), StartThen({AllTogetherAlign, AllTogetherWait, AllTogetherRun, AllTogetherStop, AllStopped,
                                  Verdict, Celebration, CelebrationEnd, NewSpin}));
  EXPECT_EQ(Find(AllTogetherWait, AllTogetherRun).centre, 33) << "jumped to 32, then stepped";
  EXPECT_EQ(Reels(), (std::array<int16, 3>{48, 8, 48}));
}

TEST_F(SpinPathTest, PremonitionReplacesTheSteppedStartAndEndsTheFreeSpinOnTime) {
  engine.PatternIndex = 39;  // wraps to row 0: left code 0
  ScriptSpin(true, 9);
  RunUntil(Presentation);
  const StateList start{NewSpin, Rest, FirstStep, Premonition, FreeSpin, Presentation};
  EXPECT_EQ(States(seen), start);
  // Five counts per tick: 40 leaves at 105 (> 100), 6 at 305 (> 300), never reset between.
  EXPECT_EQ(Find(Premonition, FreeSpin).tick - Find(FirstStep, Premonition).tick, 21);
  EXPECT_EQ(Find(FreeSpin, Presentation).tick - Find(FirstStep, Premonition).tick, 61);
  EXPECT_EQ(Find(FreeSpin, Presentation).left, 76) ;
}

TEST_F(SpinPathTest, PremonitionStepsAllReelsOnEveryTickIncludingTheLastOne) {
  engine.SpinState = Premonition;
  engine.StateTicks = 96;
  Tick();
  EXPECT_EQ(engine.SpinState, FreeSpin);
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
      engine.SpinState = FirstStep;
      engine.HitFlag = kind.hit;
      engine.ReachFlag = kind.reach;
      engine.EffectDraw = effect;
      Tick();
      ASSERT_TRUE(engine.SpinState == Premonition || engine.SpinState == AfterFirstStep);
      EXPECT_EQ(engine.StateTicks, 0);
      premonitions += engine.SpinState == Premonition;
    }
    EXPECT_EQ(premonitions, kind.expected) << "hit " << kind.hit << " reach " << kind.reach;
  }
}

TEST_F(SpinPathTest, PresentationFollowsTickCycle) {
  for (int16 tickCycle = 0; tickCycle <= 100; ++tickCycle) {
    engine.SpinState = Presentation;
    engine.HitFlag = kTrue;
    engine.TickCycle = tickCycle - 1 < 0 ? int16{100} : int16(tickCycle - 1);
    engine.StateTicks = 3;
    Tick(0);
    const Spin state = tickCycle < 40 ? AllTogetherAlign : LeftSlows;
    EXPECT_EQ(engine.SpinState, state) << tickCycle;
    EXPECT_EQ(engine.ReviveFlag, Bool(tickCycle >= 40 && tickCycle < 70)) << tickCycle;
    EXPECT_EQ(engine.StateTicks, 3);
  }
}

}  // namespace
}  // namespace zv::testing
