// Whole saver runs in simulated time: thousands of spins through the window, the timers
// and the main loop, with the invariants checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
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
  // The presentation follows TickCycle in state 7, which the timer cadence makes
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

// On the steady clock, traces recorded by the simulator come out line for line: the busy loop's
// at Spec 0, with jackpots, a losing reach and a premonition, recorded before the loop learnt to
// sleep; the sleeping loop's at Spec 1, a premonition in it, recorded while it still woke at
// every Timer2 tick. Both tick on the 15.625 ms clock.
TEST(SimulationTest, SteadyClockReproducesTheRecordedTraces) {
  SimulationSettings busy;
  busy.seconds = 60;
  busy.level = 2;
  busy.seed = 16;
  busy.jitter = 0;
  SimulationSettings sleeping = busy;
  sleeping.seconds = 3;
  sleeping.spec = 1;
  sleeping.seed = 1;
  sleeping.sleeping = true;
  for (const auto& [path, settings, size] : {std::tuple{ZV_STEADY_TRACE, busy, 768u},
                                             std::tuple{ZV_SLEEPING_TRACE, sleeping, 192u}}) {
    std::ifstream file(path);
    std::vector<std::string> recorded;
    for (std::string line; std::getline(file, line);) recorded.push_back(line);
    ASSERT_EQ(recorded.size(), size) << path;
    std::vector<std::string> lines;
    RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
      lines.push_back(TraceLine(window, engine));
    });
    ASSERT_EQ(lines.size(), recorded.size()) << path;
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], recorded[i]) << path << " line " << i + 1;
  }
}

// Sleeping through the ticks that change nothing, the loop shows at every Timer1 tick, slept
// through or not, the picture that the loop waking for every Timer1 tick shows then, and the run's
// ticks are the same: through premonitions, jackpot presentations and celebrations, at both speed
// classes.
TEST(SimulationTest, SleepingThroughIdleTicksShowsEveryPictureAtItsTick) {
  for (const int16 spec : {int16{0}, int16{1}}) {
    auto run = [spec](bool forecast, std::vector<std::string>& trace, std::int64_t& woke) {
      SimulationSettings settings;
      settings.seconds = 150;
      settings.level = 2;
      settings.spec = spec;
      settings.seed = 41;
      settings.jitter = 0;
      settings.sleeping = true;
      settings.forecast = forecast;
      settings.paintDisplay = true;
      settings.screenWidth = 200;
      settings.screenHeight = 120;
      std::vector<std::size_t> shown;  // a hash of the screen at each Timer1 tick
      std::int64_t passes = -1;
      RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
        trace.push_back(TraceLine(window, engine));
        woke += window.Passes() != passes;
        passes = window.Passes();
        const std::vector<platform::Colour> pixels = window.Screen().Pixels();
        shown.push_back(std::hash<std::string_view>{}(
            {reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof(platform::Colour)}));
      });
      return shown;
    };
    std::vector<std::string> everyTrace, sleepingTrace;
    std::int64_t everyWoke = 0, sleepingWoke = 0;
    const auto every = run(false, everyTrace, everyWoke);
    const auto sleeping = run(true, sleepingTrace, sleepingWoke);
    ASSERT_EQ(sleepingTrace, everyTrace) << "Spec " << spec;
    for (std::size_t tick = 0; tick < every.size(); ++tick)
      ASSERT_EQ(sleeping[tick], every[tick]) << "Spec " << spec << ", Timer1 tick " << tick + 1;
    EXPECT_EQ(everyWoke, static_cast<std::int64_t>(every.size())) << "Spec " << spec;
    EXPECT_LT(sleepingWoke * 10, everyWoke * 9) << "Spec " << spec << ": Timer1 ticks woken for";
  }
}

// What the odometer gives the losing spins: their three target codes and whether they reach.
struct LosingDigits {
  std::vector<std::int64_t> left = std::vector<std::int64_t>(20), centre = std::vector<std::int64_t>(10),
                            right = std::vector<std::int64_t>(20), reach = std::vector<std::int64_t>(2);
};

// Pearson's statistic for two samples over the same categories coming from one distribution
// (homogeneity); its degrees of freedom are the categories either sample saw, less one.
std::pair<double, int> ChiSquare(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b) {
  const double na = static_cast<double>(std::accumulate(a.begin(), a.end(), std::int64_t{0}));
  const double nb = static_cast<double>(std::accumulate(b.begin(), b.end(), std::int64_t{0}));
  double chi = 0;
  int categories = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const double both = static_cast<double>(a[i] + b[i]);
    if (both == 0) continue;
    ++categories;
    const double ea = both * na / (na + nb), eb = both * nb / (na + nb);
    chi += (a[i] - ea) * (a[i] - ea) / ea + (b[i] - eb) * (b[i] - eb) / eb;
  }
  return {chi, categories - 1};
}

// A loop that sleeps between events and counts the time slept as passes turns the odometer as
// a loop that runs every pass does, once timers arrive as real ones do (with jitter): over
// some six thousand spins each, the losing digits and the losing-reach share of the two agree
// (chi-square of homogeneity below its 0.1% critical value). Sleeping, the loop runs about
// one pass per event, sleeps through the Timer1 ticks of the waits, and refreshes the block at
// most once per timer tick.
TEST(SimulationTest, SleepingLoopTurnsTheOdometerAsTheBusyLoopDoes) {
  auto run = [](bool sleeping, std::uint64_t seed) {
    SimulationSettings settings;
    settings.seconds = 60'000;
    settings.seed = seed;
    settings.sleeping = sleeping;
    LosingDigits digits;
    std::int64_t passes = 0, ticks = 0, timer1Ticks = 0, refreshes = 0;
    Spin previousState = Spin::NewSpin;
    RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
      if (engine.SpinState == Spin::Rest && previousState == Spin::NewSpin && engine.HitFlag == kFalse) {
        ++digits.left[static_cast<std::size_t>(engine.TargetCodeLeft)];
        ++digits.centre[static_cast<std::size_t>(engine.TargetCodeCentre)];
        ++digits.right[static_cast<std::size_t>(engine.TargetCodeRight)];
        ++digits.reach[engine.ReachFlag == kTrue];
      }
      previousState = engine.SpinState;
      passes = window.Passes();
      timer1Ticks = window.Timer1Ticks();
      ticks = timer1Ticks + window.Timer2Ticks();
      refreshes = window.DisplayRefreshes();
    });
    if (sleeping) {
      EXPECT_LE(refreshes, ticks) << "block refreshes against timer ticks";
      EXPECT_LE(passes, 2 * ticks) << "passes against timer ticks";
      EXPECT_LT(passes * 10, timer1Ticks * 9) << "passes against Timer1 ticks: the waits sleep through them";
    }
    return digits;
  };
  const LosingDigits busy = run(false, 21);
  const LosingDigits sleeping = run(true, 22);
  ASSERT_GT(busy.reach[0] + busy.reach[1], 5000);
  ASSERT_GT(sleeping.reach[0] + sleeping.reach[1], 5000);
  // Upper 0.1% points of chi-square with 1, 9 and 19 degrees of freedom.
  auto critical = [](int df) { return df == 1 ? 10.83 : df == 9 ? 27.88 : df == 19 ? 43.82 : 0.0; };
  for (const auto& [name, a, b] : {std::tuple{"left", busy.left, sleeping.left},
                                   std::tuple{"centre", busy.centre, sleeping.centre},
                                   std::tuple{"right", busy.right, sleeping.right},
                                   std::tuple{"reach", busy.reach, sleeping.reach}}) {
    const auto [chi, df] = ChiSquare(a, b);
    EXPECT_LT(chi, critical(df)) << name << ": chi-square " << chi << " with " << df << " degrees of freedom";
  }
  EXPECT_NEAR(static_cast<double>(sleeping.reach[1]) / (sleeping.reach[0] + sleeping.reach[1]), 0.10, 0.015)
      << "a losing spin reaches when the outer wheels show one digit: 2 codes in 20";
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
