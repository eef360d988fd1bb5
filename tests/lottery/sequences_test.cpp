// The reach crawl, the all-together run and the celebration blink.
#include "engine_test.h"

namespace zv::testing {
namespace {

using enum Spin;

using SequencesTest = EngineTest;

TEST_F(SequencesTest, CrawlStandsFourCallsThenStepsFourAndCarriesItsPhaseOver) {
  engine.ReelPosCentre = 38;
  std::vector<int16> positions;
  for (int call = 0; call < 16; ++call) {
    engine.CrawlCentreReel();
    positions.push_back(engine.ReelPosCentre);
  }
  EXPECT_EQ(positions, (std::vector<int16>{38, 38, 38, 38, 39, 0, 1, 2, 2, 2, 2, 2, 3, 4, 5, 6}));
  EXPECT_EQ(engine.CrawlPhase, 0);
  // A phase left part-way by one reach is where the next one begins.
  engine.CrawlPhase = 6;
  engine.CrawlCentreReel();
  engine.CrawlCentreReel();
  EXPECT_EQ(engine.ReelPosCentre, 8);
  EXPECT_EQ(engine.CrawlPhase, 0);
}

TEST_F(SequencesTest, ReachPutsTheCentreOnTheReachDigit) {
  for (auto [left, position] : {std::pair<int16, int16>{0, 0}, {9, 36}, {10, 0}, {13, 12}, {19, 36}}) {
    engine.TargetCodeLeft = left;
    engine.AlignCentreToReach();
    EXPECT_EQ(engine.ReelPosCentre, position) << left;
  }
}

TEST_F(SequencesTest, ReachLapsWaitForStateTicksEvenWithTheCentreOnTarget) {
  engine.SpinState = ReachFirstLap;
  engine.TargetCodeCentre = 3;
  engine.ReelPosCentre = 12;
  engine.CrawlPhase = 0;  // the crawl stands still for four ticks
  for (int i = 0; i < 2; ++i) {
    Tick();  // StateTicks 5, then 10: not over 10
    EXPECT_EQ(engine.SpinState, ReachFirstLap);
  }
  Tick(1);  // 11, but the crawl has not moved: still on target
  EXPECT_EQ(engine.SpinState, ReachSecondLap);
  EXPECT_EQ(engine.StateTicks, 0);
  EXPECT_EQ(engine.ReelPosCentre, 12);
  Tick(11);  // the fourth standing call: the second lap ends at once
  EXPECT_EQ(engine.SpinState, AllStopped);
  EXPECT_EQ(engine.ReelPosCentre, 12);
  // With the crawl in its stepping half, the centre leaves the target before the count is up.
  engine.SpinState = ReachFirstLap;
  engine.StateTicks = 0;
  engine.CrawlPhase = 4;
  Tick(11);
  EXPECT_EQ(engine.SpinState, ReachFirstLap);
  EXPECT_EQ(engine.ReelPosCentre, 13);
}

// Sets the machine up as the presentation leaves it for an all-together jackpot on `row`, with the
// centre at `centre`; runs to state 13 and returns the ticks from the first tick in 30.
class AllTogetherTest : public EngineTest {
 protected:
  int Run(int row, int16 centre) {
    engine.TargetCodeCentre = engine.HitPatterns[3 * row];
    engine.TargetCodeLeft = engine.HitPatterns[3 * row + 1];
    engine.TargetCodeRight = engine.HitPatterns[3 * row + 2];
    engine.HitFlag = kTrue;
    engine.SpinState = AllTogetherAlign;
    engine.TickCycle = static_cast<int16>(row % 40);
    engine.ReelPosLeft = engine.TargetCodeLeft == 0 ? int16{77} : int16(4 * engine.TargetCodeLeft - 3);
    engine.ReelPosCentre = centre;
    engine.ReelPosRight = static_cast<int16>((centre * 7) % 80);
    seen.clear();
    ticks = 0;
    RunUntil(AllStopped, 1000);
    return ticks;
  }
};

TEST_F(AllTogetherTest, EveryRowAndCentreReachesTheJackpotIn279To436Ticks) {
  int shortest = 1000, longest = 0;
  for (int row = 0; row < 40; ++row) {
    for (int16 centre = 0; centre < 40; ++centre) {
      const int n = Run(row, centre);
      ASSERT_EQ(engine.SpinState, AllStopped) << "row " << row << " centre " << centre;
      ASSERT_EQ(engine.ReelPosLeft, 4 * engine.TargetCodeLeft);
      ASSERT_EQ(engine.ReelPosCentre, 4 * engine.TargetCodeCentre);
      ASSERT_EQ(engine.ReelPosRight, 4 * engine.TargetCodeRight);
      ASSERT_EQ(States(seen),
                (std::vector<Spin>{AllTogetherAlign, AllTogetherWait, AllTogetherRun, AllTogetherStop, AllStopped}));
      EXPECT_EQ(engine.SyncSteps, 119) << "row " << row << " centre " << centre;
      shortest = std::min(shortest, n);
      longest = std::max(longest, n);
    }
  }
  EXPECT_EQ(shortest, 279);
  EXPECT_EQ(longest, 436);
}

TEST_F(AllTogetherTest, CentreGainsTwoStepsOnBothTicksAtSyncSteps39And79) {
  Run(5, 0);
  engine.SpinState = AllTogetherRun;
  engine.SyncSteps = 0;
  engine.TickCycle = 0;
  engine.ReelPosCentre = 33;
  engine.ReelPosLeft = 1;
  engine.ReelPosRight = 1;
  std::map<int, int> centreStepsAt;  // SyncSteps at the start of a tick -> centre steps made
  while (engine.SpinState == AllTogetherRun) {
    const int16 sync = engine.SyncSteps, before = engine.ReelPosCentre, left = engine.ReelPosLeft;
    Tick();
    const int centreSteps = (engine.ReelPosCentre - before + 40) % 40;
    const int commonSteps = (engine.ReelPosLeft - left + 80) % 80;
    ASSERT_EQ(engine.SyncSteps - sync, commonSteps);
    centreStepsAt[sync] += centreSteps - commonSteps;
  }
  for (auto [sync, extra] : centreStepsAt) EXPECT_EQ(extra, sync == 39 || sync == 79 ? 4 : 0) << sync;
  EXPECT_EQ(engine.SyncSteps, 119);
  EXPECT_EQ(engine.ReelPosCentre, 0);
}

TEST_F(SequencesTest, BlinkOnFollowsTickCycleTensRoundedHalfToEven) {
  std::string phases;
  for (int16 cycle = 0; cycle <= 100; ++cycle) {
    engine.SpinState = Celebration;
    engine.StateTicks = 0;
    engine.TickCycle = cycle == 0 ? int16{100} : int16(cycle - 1);
    Tick(0);
    phases += engine.BlinkOn == kTrue ? 'O' : '-';
  }
  const std::string expected = std::string(6, 'O') + std::string(9, '-') + std::string(11, 'O') +
                               std::string(9, '-') + std::string(11, 'O') + std::string(9, '-') +
                               std::string(11, 'O') + std::string(9, '-') + std::string(11, 'O') +
                               std::string(9, '-') + std::string(6, 'O');
  EXPECT_EQ(phases, expected);
}

TEST_F(SequencesTest, CelebrationUpdatesTheBlinkOnTheTickItEnds) {
  engine.SpinState = Celebration;
  engine.BlinkOn = kFalse;
  engine.TickCycle = 24;  // 25: 2.5 rounds to 2, on
  engine.StateTicks = 76;
  Tick();
  EXPECT_EQ(engine.SpinState, CelebrationEnd);
  EXPECT_EQ(engine.StateTicks, 0);
  EXPECT_EQ(engine.BlinkOn, kTrue);
  Tick(6);
  EXPECT_EQ(engine.SpinState, NewSpin);
  EXPECT_EQ(engine.HitFlag, kFalse);
  EXPECT_EQ(engine.BlinkOn, kTrue) << "kept until the next celebration";
}

}  // namespace
}  // namespace zv::testing
