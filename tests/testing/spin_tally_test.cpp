// The checker of whole saver runs: the spins it counts and the breaches it reports.
#include <gtest/gtest.h>

#include "testing/engine_rig.h"
#include "testing/scripted_random.h"
#include "testing/spin_tally.h"

namespace zv::testing {
namespace {

using enum Spin;

class SpinTallyTest : public ::testing::Test {
 protected:
  SpinTallyTest() {
    window.Display().SetLeft(10);
    window.Display().SetTop(10);
  }
  // A spin as the tally sees it: the draw, then the stop on (left, centre, right) codes.
  void TallySpin(bool hit, int16 left, int16 centre, int16 right, std::initializer_list<Spin> states) {
    engine.SpinState = Spin::NewSpin;
    tally.Observe(window, engine);
    engine.HitFlag = Bool(hit);
    engine.ReachFlag = Bool(left % 10 == right % 10);
    engine.TargetCodeLeft = left;
    engine.TargetCodeCentre = centre;
    engine.TargetCodeRight = right;
    engine.SpinState = Spin::Rest;
    tally.Observe(window, engine);
    engine.ReelPosLeft = static_cast<int16>(4 * left);
    engine.ReelPosCentre = static_cast<int16>(4 * centre);
    engine.ReelPosRight = static_cast<int16>(4 * right);
    for (Spin state : states) {
      engine.SpinState = state;
      tally.Observe(window, engine);
    }
    engine.SpinState = Spin::NewSpin;
    tally.Observe(window, engine);
  }
  ScriptedRandom random;
  EngineRig rig{random};
  headless::HeadlessSaverWindow& window = rig.window;
  LotteryEngine& engine = rig.engine;
  SpinTally tally;
};

TEST_F(SpinTallyTest, CountsPresentationsOfGoodSpins) {
  TallySpin(false, 3, 4, 13, {AllStopped, Verdict});
  TallySpin(true, 5, 5, 15,
            {Premonition, FreeSpin, Presentation, AllTogetherAlign, AllTogetherWait, AllTogetherRun, AllTogetherStop,
             AllStopped, Verdict, Celebration, CelebrationEnd});
  TallySpin(true, 7, 7, 7,
            {ReachFirstLap, ReachSecondLap, NearMiss, Revival, AllStopped, Verdict, Celebration, CelebrationEnd});
  EXPECT_EQ(tally.ViolationCount(), 0) << (tally.Violations().empty() ? "" : tally.Violations()[0]);
  const SpinCounts& c = tally.Counts();
  EXPECT_EQ(c.completed, 3);
  EXPECT_EQ(c.jackpots, 2);
  EXPECT_EQ(c.allTogether, 1);
  EXPECT_EQ(c.revivals, 1);
  EXPECT_EQ(c.losingReaches, 1);
  EXPECT_EQ(c.premonitions, 1);
}

TEST_F(SpinTallyTest, FlagsAMissOnThreeEqualDigitsAndAJackpotOffTheTable) {
  TallySpin(false, 3, 3, 13, {AllStopped, Verdict});
  EXPECT_EQ(tally.ViolationCount(), 1);
  TallySpin(true, 5, 6, 15, {ReachFirstLap, ReachSecondLap, AllStopped, Verdict, Celebration, CelebrationEnd});
  EXPECT_EQ(tally.ViolationCount(), 2);
  TallySpin(false, 1, 2, 3, {AllTogetherAlign, AllStopped, Verdict});
  EXPECT_EQ(tally.ViolationCount(), 3);
}

TEST_F(SpinTallyTest, FlagsPositionsOutOfRange) {
  engine.ReelPosCentre = 40;
  tally.Observe(window, engine);
  window.Display().SetTop(702);
  tally.Observe(window, engine);
  ASSERT_EQ(tally.ViolationCount(), 3) << "the centre twice, the block once";
  EXPECT_NE(tally.Violations()[0].find("ReelPosCentre 40"), std::string::npos);
}

}  // namespace
}  // namespace zv::testing
