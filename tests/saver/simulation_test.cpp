// Whole saver runs in simulated time: thousands of spins through the window, the timers
// and the main loop, with the invariants checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "runtime/random_source.h"
#include "testing/engine_rig.h"
#include "testing/saver_run.h"
#include "testing/spin_tally.h"
#include "testing/trace.h"

namespace zv::testing {
namespace {

SpinCounts RunAndCheck(SimulationSettings settings) {
  SpinTally tally;
  RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
    tally.Observe(window, engine);
  });
  EXPECT_EQ(tally.ViolationCount(), 0);
  for (const std::string& v : tally.Violations()) ADD_FAILURE() << v;
  const SpinCounts& c = tally.Counts();
  EXPECT_LE(c.started - c.completed, 1) << "every spin but the last returns to state 0";
  return c;
}

// Binomial count within 4.5 standard deviations of n x p.
void ExpectRate(std::int64_t hits, std::int64_t n, double p) {
  const double mean = n * p, sd = std::sqrt(n * p * (1 - p));
  EXPECT_NEAR(static_cast<double>(hits), mean, 4.5 * sd + 0.5) << hits << " of " << n << " at 1 in " << 1 / p;
}

TEST(SimulationTest, ThousandsOfSpinsAtTheDefaultSettingsHoldTheInvariants) {
  SimulationSettings settings;
  settings.seconds = 100'000;
  settings.seed = 11;
  const SpinCounts c = RunAndCheck(settings);
  EXPECT_GT(c.completed, 9000);
  EXPECT_GT(c.losingReaches, 0);
  EXPECT_GT(c.premonitions, 0);
  ExpectRate(c.jackpots, c.completed, 1.0 / 301);
}

TEST(SimulationTest, ProbabilityUpModeOnTheFastTickHoldsTheInvariants) {
  SimulationSettings settings;
  settings.seconds = 100'000;
  settings.level = 30;
  settings.spec = 1;
  settings.seed = 12;
  settings.screenWidth = 1153;  // a block range of 1024: the largest number rounds up
  const SpinCounts c = RunAndCheck(settings);
  EXPECT_GT(c.completed, 9000);
  ExpectRate(c.jackpots, c.completed, 1.0 / 30);
  EXPECT_GT(c.allTogether, 0);
  EXPECT_GT(c.revivals, 0);
  EXPECT_GT(c.plainReaches, 0);
}

TEST(SimulationTest, LevelOneMakesEverySpinAJackpotInAllThreePresentations) {
  SimulationSettings settings;
  settings.seconds = 40'000;
  settings.level = 1;
  settings.seed = 13;
  const SpinCounts c = RunAndCheck(settings);
  EXPECT_GT(c.completed, 1900);
  EXPECT_EQ(c.jackpots, c.completed);
  EXPECT_EQ(c.losingReaches, 0);
  // The presentation follows TickCycle in state 7, which the steady timer cadence makes
  // far from uniform: only each one's presence is certain.
  EXPECT_GT(c.allTogether, 0);
  EXPECT_GT(c.revivals, 0);
  EXPECT_GT(c.plainReaches, 0);
  // The premonition comes before 11 of the 17 effect numbers.
  ExpectRate(c.premonitions, c.jackpots, 11.0 / 17);
}

// Counting idle passes instead of running them must not change a single tick: the odometer
// is where the passes show.
TEST(SimulationTest, FastForwardGivesTheSameRunAsEveryPass) {
  auto trace = [](bool fastForward) {
    SimulationSettings settings;
    settings.seconds = 300;
    settings.level = 5;
    settings.seed = 14;
    settings.passesPerMs = 2;
    settings.fastForward = fastForward;
    std::vector<std::string> lines;
    RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
      lines.push_back(TraceLine(window, engine));
    });
    return lines;
  };
  const std::vector<std::string> everyPass = trace(false);
  ASSERT_GT(everyPass.size(), 3000u);
  EXPECT_EQ(trace(true), everyPass);
}

// Without paint the renderer's calls leave the block black; with it the first ticks already
// show the starting red 3, 1, 3.
TEST(SimulationTest, DisplayShowsTheReelsOnlyWhenPainted) {
  auto redPixels = [](bool paint) {
    SimulationSettings settings;
    settings.seconds = 0.5;
    settings.seed = 5;
    settings.paintDisplay = paint;
    long red = -1;
    RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine&) {
      if (red >= 0) return;
      const platform::SoftwareSurface screen = window.Screen();
      red = std::count(screen.Pixels().begin(), screen.Pixels().end(), platform::Rgb(255, 0, 0));
    });
    return red;
  };
  EXPECT_EQ(redPixels(false), 0);
  EXPECT_GT(redPixels(true), 300);
}

TEST(SimulationTest, SameSeedSameRunDifferentSeedDifferentRun) {
  auto firstTargets = [](std::uint64_t seed) {
    SimulationSettings settings;
    settings.seconds = 120;
    settings.seed = seed;
    std::string targets;
    RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
      if (engine.SpinState == Spin::Rest && engine.StateTicks == 0)
        targets += std::to_string(window.Display().Left()) + "," + std::to_string(engine.LotteryDraw) + " ";
    });
    return targets;
  };
  ASSERT_FALSE(firstTargets(3).empty());
  EXPECT_EQ(firstTargets(3), firstTargets(3));
  EXPECT_NE(firstTargets(3), firstTargets(4));
}

// The lottery on its own, over many draws with the clock-seeded generator reseeded from a
// moving clock before each: 1 in ProbDenominator within tight bounds.
TEST(SimulationTest, LotteryDrawsJackpotsAtOneInTheDenominator) {
  for (int16 denominator : {int16{301}, int16{30}, int16{1}}) {
    std::uint64_t clock = 0;
    ClockSeededRandom random([&clock] { return clock += 15'625'000; });
    EngineRig rig(random);
    rig.globals.ProbDenominator = denominator;
    LotteryEngine& engine = rig.engine;
    constexpr std::int64_t kDraws = 1'000'000;
    std::int64_t jackpots = 0;
    for (std::int64_t i = 0; i < kDraws; ++i) {
      engine.DrawOutcome();
      jackpots += engine.HitFlag == kTrue;
    }
    ExpectRate(jackpots, kDraws, 1.0 / denominator);
  }
}

}  // namespace
}  // namespace zv::testing
