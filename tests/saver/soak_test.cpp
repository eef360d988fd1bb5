// Long saver runs at every speed class and at ordinary and odd Level values, holding every
// invariant of the engine after each tick, and checking after every spin that the display
// block shows the three digits the reels stopped on, in their colours.
//
// The simulated length per run is ZV_SOAK_SECONDS (default two hours, the form CI runs);
// `ZV_SOAK_SECONDS=86400 ctest -L soak` runs the day-long form.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>

#include "digits/glyph.h"
#include "platform/surface.h"
#include "testing/saver_run.h"
#include "testing/spin_tally.h"

namespace zv::testing {
namespace {

double SoakSeconds() {
  const char* text = std::getenv("ZV_SOAK_SECONDS");
  return text ? std::strtod(text, nullptr) : 7200.0;
}

// Lit segments (bit 0 = a ... bit 6 = g) of the ten digits at rest.
constexpr std::array<int, 10> kDigitSegments = {63, 6, 91, 79, 102, 109, 125, 39, 127, 111};
constexpr platform::Colour kRed = platform::Rgb(255, 0, 0);
constexpr platform::Colour kGreen = platform::Rgb(0, 255, 0);

// What the block shows for one reel at rest on `code`, in the cell at x, compared with the
// seed pixel of every segment. Returns a description of the first mismatch, or "".
std::string CheckReel(const platform::Surface& block, const char* reel, int16 position, int16 x, bool outer) {
  if (position % 4 != 0) return std::string(reel) + " reel not at rest: position " + std::to_string(position);
  const int code = position / 4;
  const platform::Colour lit = outer && code < 10 ? kGreen : kRed;
  for (int segment = 0; segment < kSegmentCount; ++segment) {
    const SeedPoint seed = kSeedPoints[static_cast<std::size_t>(segment)];
    const platform::Colour want = (kDigitSegments[static_cast<std::size_t>(code % 10)] >> segment) & 1 ? lit : platform::kBlack;
    const platform::Colour got = block.Pixel(static_cast<int16>(x + seed.column), static_cast<int16>(10 + seed.row));
    if (got != want) {
      std::ostringstream out;
      out << reel << " reel on code " << code << ": segment " << static_cast<char>('a' + segment) << " shows 0x"
          << std::hex << got << ", expected 0x" << want;
      return out.str();
    }
  }
  return {};
}

struct SoakCase {
  int16 level;
  int16 spec;
};

class Soak : public ::testing::TestWithParam<SoakCase> {};

TEST_P(Soak, HoldsEveryInvariantAndShowsEveryStop) {
  SimulationSettings settings;
  settings.seconds = SoakSeconds();
  settings.level = GetParam().level;
  settings.spec = GetParam().spec;
  settings.seed = 1000 + static_cast<std::uint64_t>(settings.level * 2 + settings.spec);
  settings.paintDisplay = true;

  SpinTally tally;
  std::int64_t stopsChecked = 0, badStops = 0;
  Spin previousState = Spin::NewSpin;
  RunSaver(settings, [&](headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
    tally.Observe(window, engine);
    // A spin has just ended: the last passes drew the stopped reels in their own colours,
    // and the block does not move before the next tick.
    const bool stopped = previousState == Spin::Verdict || previousState == Spin::CelebrationEnd;
    if (engine.SpinState == Spin::NewSpin && stopped) {
      ++stopsChecked;
      const platform::Surface& block = window.Display().Dc();
      for (const std::string& problem :
           {CheckReel(block, "left", engine.ReelPosLeft, 10, true), CheckReel(block, "centre", engine.ReelPosCentre, 50, false),
            CheckReel(block, "right", engine.ReelPosRight, 90, true)}) {
        if (!problem.empty() && ++badStops <= 5) ADD_FAILURE() << "at " << window.Now() / 1e9 << " s: " << problem;
      }
    }
    previousState = engine.SpinState;
  });

  for (const std::string& v : tally.Violations()) ADD_FAILURE() << v;
  EXPECT_EQ(tally.ViolationCount(), 0);
  EXPECT_EQ(badStops, 0);
  const SpinCounts& c = tally.Counts();
  EXPECT_LE(c.started - c.completed, 1) << "every spin but the last returns to a new spin";
  EXPECT_GE(stopsChecked, c.completed - 1);
  // A spin lasts several seconds; a run this long has many.
  EXPECT_GT(c.completed, settings.seconds / 60);
  if (settings.level == 0 || settings.level == 1) {
    EXPECT_EQ(c.jackpots, c.completed) << "Level " << settings.level << " makes every spin a jackpot";
  } else if (settings.level < 0) {
    // Int(level x Rnd + 1) is 1 only for a Rnd of exactly 0: one draw in 2^24.
    EXPECT_LE(c.jackpots, 1) << "a negative Level all but never draws a jackpot";
  }
  RecordProperty("spins", std::to_string(c.completed));
}

INSTANTIATE_TEST_SUITE_P(LevelsAndSpeeds, Soak,
                         ::testing::Values(SoakCase{301, 0}, SoakCase{301, 1}, SoakCase{30, 0}, SoakCase{30, 1},
                                           SoakCase{1, 0}, SoakCase{1, 1}, SoakCase{0, 0}, SoakCase{0, 1},
                                           SoakCase{-5, 0}, SoakCase{-5, 1}),
                         [](const ::testing::TestParamInfo<SoakCase>& info) {
                           const SoakCase& c = info.param;
                           return "Level" + std::string(c.level < 0 ? "Minus" : "") + std::to_string(std::abs(c.level)) +
                                  "Spec" + std::to_string(c.spec);
                         });

}  // namespace
}  // namespace zv::testing
