// The simulator's own parts: its invariant checker and its command line.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/spin_tally.h"

namespace zv::sim {
namespace {

class SpinTallyTest : public testing::EngineTest {
 protected:
  SpinTallyTest() {
    window.Display().SetLeft(10);
    window.Display().SetTop(10);
  }
  // A spin as the tally sees it: the draw, then the stop on (left, centre, right) codes.
  void Spin(bool hit, int16 left, int16 centre, int16 right, std::initializer_list<int16> states) {
    engine.SpinState = 0;
    tally.Observe(window, engine);
    engine.HitFlag = Bool(hit);
    engine.ReachFlag = Bool(left % 10 == right % 10);
    engine.TargetCodeLeft = left;
    engine.TargetCodeCentre = centre;
    engine.TargetCodeRight = right;
    engine.SpinState = 1;
    tally.Observe(window, engine);
    engine.ReelPosLeft = static_cast<int16>(4 * left);
    engine.ReelPosCentre = static_cast<int16>(4 * centre);
    engine.ReelPosRight = static_cast<int16>(4 * right);
    for (int16 state : states) {
      engine.SpinState = state;
      tally.Observe(window, engine);
    }
    engine.SpinState = 0;
    tally.Observe(window, engine);
  }
  SpinTally tally;
};

TEST_F(SpinTallyTest, CountsPresentationsOfGoodSpins) {
  Spin(false, 3, 4, 13, {13, 14});
  Spin(true, 5, 5, 15, {40, 6, 7, 30, 31, 32, 33, 13, 14, 15, 16});
  Spin(true, 7, 7, 7, {20, 21, 22, 23, 13, 14, 15, 16});
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
  Spin(false, 3, 3, 13, {13, 14});
  EXPECT_EQ(tally.ViolationCount(), 1);
  Spin(true, 5, 6, 15, {20, 21, 13, 14, 15, 16});
  EXPECT_EQ(tally.ViolationCount(), 2);
  Spin(false, 1, 2, 3, {30, 13, 14});
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

TEST(SimOptionsTest, ReadsEveryOption) {
  const SimOptions o = ParseSimOptions({"--seconds", "12.5", "--level=30", "--spec", "1", "--seed", "42", "--screen",
                                        "1280x1024", "--passes-per-ms", "3", "--trace", "--frames", "out",
                                        "--frame-at", "15", "--frame-limit", "7", "--no-fast-forward",
                                        "--jitter", "12.5", "--sleeping"});
  EXPECT_DOUBLE_EQ(o.run.seconds, 12.5);
  EXPECT_EQ(o.run.level, 30);
  EXPECT_EQ(o.run.spec, 1);
  EXPECT_EQ(o.run.seed, 42u);
  EXPECT_EQ(o.run.screenWidth, 1280);
  EXPECT_EQ(o.run.screenHeight, 1024);
  EXPECT_DOUBLE_EQ(o.run.passesPerMs, 3);
  EXPECT_FALSE(o.run.fastForward);
  EXPECT_DOUBLE_EQ(o.run.jitter, 0.125);
  EXPECT_TRUE(o.run.sleeping);
  EXPECT_TRUE(o.trace);
  ASSERT_TRUE(o.frames);
  EXPECT_EQ(o.frames->atState, 15);
  EXPECT_EQ(o.frames->limit, 7);
  EXPECT_FALSE(o.frames->everyMs);
  EXPECT_TRUE(o.run.paintDisplay) << "snapshots need the pixels";
}

TEST(SimOptionsTest, DefaultsMatchTheProgram) {
  const SimOptions o = ParseSimOptions({});
  EXPECT_EQ(o.run.level, 301);
  EXPECT_EQ(o.run.spec, 0);
  EXPECT_EQ(o.run.screenWidth, 1024);
  EXPECT_EQ(o.run.screenHeight, 768);
  EXPECT_DOUBLE_EQ(o.run.passesPerMs, 24);
  EXPECT_TRUE(o.run.fastForward);
  EXPECT_DOUBLE_EQ(o.run.jitter, 0.2) << "timers arrive with jitter, as real ones do";
  EXPECT_FALSE(o.run.sleeping);
  EXPECT_FALSE(o.run.seed);
  EXPECT_FALSE(o.run.paintDisplay);
  EXPECT_TRUE(ParseSimOptions({"--paint"}).run.paintDisplay);
}

TEST(SimOptionsTest, RefusesBadArgumentsNamingThem) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--level", "abc"}, "--level"},       {{"--level", "40000"}, "out of range"},
      {{"--seconds"}, "needs a value"},       {{"--seconds", "-1"}, "--seconds"},
      {{"--screen", "1024"}, "WIDTHxHEIGHT"}, {{"--screen", "1024x20"}, "height"},
      {{"--frame-at", "15"}, "--frames"},     {{"--frames", "d"}, "--frame-at or --frame-every"},
      {{"--trace=1"}, "takes no value"},      {{"-x"}, "unknown argument '-x'"},
      {{"--seed", "1.5"}, "not a number"},   {{"--jitter", "50"}, "out of range"}};
  for (const auto& [args, message] : cases) {
    try {
      ParseSimOptions(args);
      ADD_FAILURE() << args[0] << " accepted";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace zv::sim
