#include <cmath>

#include "engine_test.h"

namespace zv::testing {
namespace {

constexpr float kJustBelowOne = 1.0f - 1.0f / 16777216.0f;  // the largest 24-bit number

using OutcomeDrawTest = EngineTest;

TEST_F(OutcomeDrawTest, EveryRowIsAJackpotAndRowsZeroToNineteenListTheTwinCodes) {
  for (int k = 0; k < 40; ++k) {
    const int16 centre = engine.HitPatterns[3 * k], left = engine.HitPatterns[3 * k + 1],
                right = engine.HitPatterns[3 * k + 2];
    EXPECT_EQ(centre, k % 10) << "row " << k;
    EXPECT_EQ(left % 10, centre) << "row " << k;
    EXPECT_EQ(right % 10, centre) << "row " << k;
  }
  for (int x = 0; x < 20; ++x) {
    const int twin = x < 10 ? x + 10 : x - 10;
    std::set<int> entries{engine.HitPatterns[3 * x + 1], engine.HitPatterns[3 * x + 2]};
    EXPECT_EQ(entries, (std::set<int>{x, twin})) << "row " << x;
  }
  // The four colour groups.
  EXPECT_EQ((std::vector<int16>{engine.HitPatterns.begin() + 75, engine.HitPatterns.begin() + 78}),
            (std::vector<int16>{5, 5, 5}));
  EXPECT_EQ((std::vector<int16>{engine.HitPatterns.begin() + 96, engine.HitPatterns.begin() + 99}),
            (std::vector<int16>{2, 12, 12}));
}

TEST_F(OutcomeDrawTest, InitialStateReseedsThenDrawsTheWheelsAndTheRowInOrder) {
  random = ScriptedRandom{0.5f, 0.95f, 0.05f, 0.3f};
  engine.SpinState = Spin::AllStopped;
  engine.SetInitialLotteryState();
  EXPECT_EQ(random.reseeds, 1);
  EXPECT_EQ(engine.MissCodeLeft, 10);
  EXPECT_EQ(engine.MissCodeCentre, 9);
  EXPECT_EQ(engine.MissCodeRight, 1);
  EXPECT_EQ(engine.PatternIndex, 12);
  EXPECT_EQ(engine.SpinState, Spin::NewSpin);
}

TEST_F(OutcomeDrawTest, InitialDrawsStayInRangeWithTheLargestNumber) {
  random = ScriptedRandom{kJustBelowOne, kJustBelowOne, kJustBelowOne, kJustBelowOne};
  engine.SetInitialLotteryState();
  EXPECT_EQ(engine.MissCodeLeft, 19);
  EXPECT_EQ(engine.MissCodeCentre, 9);
  EXPECT_EQ(engine.MissCodeRight, 19);
  EXPECT_EQ(engine.PatternIndex, 39);
}

TEST_F(OutcomeDrawTest, JackpotTakesTheRowOfPatternIndex) {
  for (auto [index, centre, left, right] : {std::array<int16, 4>{25, 5, 5, 5}, {32, 2, 12, 12}, {0, 0, 0, 10},
                                            {19, 9, 19, 9}, {39, 9, 19, 19}}) {
    random = ScriptedRandom{0.0f, EffectNumber(12)};
    engine.PatternIndex = index;
    engine.DrawOutcome();
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(engine.LotteryDraw, 1);
    EXPECT_EQ(engine.HitFlag, kTrue);
    EXPECT_EQ(engine.EffectDraw, 12);
    EXPECT_EQ((std::array<int16, 3>{engine.TargetCodeCentre, engine.TargetCodeLeft, engine.TargetCodeRight}),
              (std::array<int16, 3>{centre, left, right}))
        << "PatternIndex " << index;
    EXPECT_EQ(engine.ReachFlag, kTrue);
  }
}

TEST_F(OutcomeDrawTest, LotteryNumberSpansOneToTheDenominator) {
  globals.ProbDenominator = 301;
  // Int(301 x Rnd + 1): 1 only below 1/301.
  for (auto [number, draw] : {std::pair{0.0f, 1}, {0.00332f, 1}, {0.00333f, 2}, {0.5f, 151}, {kJustBelowOne, 301}}) {
    random = ScriptedRandom{number, 0.0f};
    engine.DrawOutcome();
    EXPECT_EQ(engine.LotteryDraw, draw) << number;
    EXPECT_EQ(engine.HitFlag, Bool(draw == 1)) << number;
  }
  globals.ProbDenominator = 30;
  random = ScriptedRandom{kJustBelowOne, kJustBelowOne};
  engine.DrawOutcome();
  EXPECT_EQ(engine.LotteryDraw, 30);
  EXPECT_EQ(engine.EffectDraw, 16);
}

// Int(ProbDenominator x Rnd + 1) at the ends of the Level's range and around 0: a denominator
// of 1 or 0 makes every spin a jackpot, a negative one (down to -32768, which must not
// overflow) a jackpot only for a number of exactly 0.
TEST_F(OutcomeDrawTest, LotteryNumberStaysInItsRangeForEveryDenominator) {
  struct Case {
    int16 denominator;
    int atZero, atHalf, atLargest;
  };
  for (const Case& c : {Case{-32768, 1, -16383, -32767}, Case{-1, 1, 0, 0}, Case{0, 1, 1, 1}, Case{1, 1, 1, 1},
                        Case{32767, 1, 16384, 32767}}) {
    globals.ProbDenominator = c.denominator;
    for (auto [number, draw] : {std::pair{0.0f, c.atZero}, {0.5f, c.atHalf}, {kJustBelowOne, c.atLargest}}) {
      random = ScriptedRandom{number, 0.0f};
      engine.DrawOutcome();
      EXPECT_EQ(engine.LotteryDraw, draw) << c.denominator << " " << number;
      EXPECT_EQ(engine.HitFlag, Bool(draw == 1)) << c.denominator << " " << number;
    }
  }
}

// The single-precision sum top x Rnd + 1 rounds up to top + 1 for the largest number when
// top is a power of two; the draw stays within 1..top all the same.
TEST_F(OutcomeDrawTest, LargestNumberNeverDrawsPastTheTop) {
  volatile float product = 1024.0f * kJustBelowOne;
  volatile float sum = product + 1.0f;
  ASSERT_EQ(std::floor(sum), 1025.0f) << "the rounding this guards against";
  for (int16 top = 1; top <= 4096; ++top) {
    globals.ProbDenominator = top;
    random = ScriptedRandom{kJustBelowOne, 0.0f};
    engine.DrawOutcome();
    ASSERT_EQ(engine.LotteryDraw, top);
  }
}

TEST_F(OutcomeDrawTest, MissTakesTheOdometerAndNeverThreeEqualDigits) {
  struct Case {
    int16 left, centre, right;     // odometer before the draw
    int16 tLeft, tCentre, tRight;  // targets
    int16 reach;
  };
  for (const Case& c : {Case{13, 3, 3, 13, 4, 3, kTrue},  // would-be jackpot on 3: the centre moves on
                        Case{19, 9, 9, 19, 0, 9, kTrue},  // 9 wraps to 0
                        Case{7, 2, 17, 7, 2, 17, kTrue}, Case{3, 5, 4, 3, 5, 4, kFalse}}) {
    SetOdometer(c.left, c.centre, c.right);
    random = ScriptedRandom{0.5f, 0.0f};
    engine.DrawOutcome();
    EXPECT_EQ(engine.HitFlag, kFalse);
    EXPECT_EQ((std::array<int16, 4>{engine.TargetCodeLeft, engine.TargetCodeCentre, engine.TargetCodeRight,
                                    engine.ReachFlag}),
              (std::array<int16, 4>{c.tLeft, c.tCentre, c.tRight, c.reach}))
        << "odometer " << c.left << " " << c.centre << " " << c.right;
    EXPECT_EQ(engine.MissCodeCentre, c.tCentre) << "the nudge stays in the odometer";
  }
}

TEST_F(OutcomeDrawTest, NoOdometerValueGivesAMissOnThreeEqualDigits) {
  for (int16 left = 0; left < 20; ++left)
    for (int16 right = 0; right < 20; ++right)
      for (int16 centre = 0; centre < 10; ++centre) {
        SetOdometer(left, centre, right);
        random = ScriptedRandom{0.5f, 0.0f};
        engine.DrawOutcome();
        const bool equal = engine.TargetCodeLeft % 10 == engine.TargetCodeCentre &&
                           engine.TargetCodeRight % 10 == engine.TargetCodeCentre;
        ASSERT_FALSE(equal) << left << " " << centre << " " << right;
        ASSERT_EQ(engine.ReachFlag, Bool(left % 10 == right % 10)) << left << " " << right;
      }
}

TEST_F(OutcomeDrawTest, OdometerTurnsLeftThenRightThenCentre) {
  SetOdometer(18, 4, 7);
  engine.AdvanceMissOdometer();
  EXPECT_EQ((std::array<int16, 3>{engine.MissCodeLeft, engine.MissCodeCentre, engine.MissCodeRight}),
            (std::array<int16, 3>{19, 4, 7}));
  engine.AdvanceMissOdometer();
  EXPECT_EQ((std::array<int16, 3>{engine.MissCodeLeft, engine.MissCodeCentre, engine.MissCodeRight}),
            (std::array<int16, 3>{0, 4, 8}));
  SetOdometer(19, 9, 19);
  engine.AdvanceMissOdometer();
  EXPECT_EQ((std::array<int16, 3>{engine.MissCodeLeft, engine.MissCodeCentre, engine.MissCodeRight}),
            (std::array<int16, 3>{0, 0, 0}));
}

TEST_F(OutcomeDrawTest, AdvanceByCountEqualsThatManySingleAdvances) {
  LotteryEngine reference{globals, random, window};
  for (auto [left, centre, right] : {std::array<int16, 3>{0, 0, 0}, {19, 9, 19}, {7, 3, 12}, {19, 4, 19}}) {
    for (std::int64_t count : {0, 1, 19, 20, 399, 400, 401, 3999, 4000, 4001, 12345}) {
      SetOdometer(left, centre, right);
      reference.MissCodeLeft = left;
      reference.MissCodeCentre = centre;
      reference.MissCodeRight = right;
      engine.AdvanceMissOdometerBy(count);
      for (std::int64_t i = 0; i < count; ++i) reference.AdvanceMissOdometer();
      ASSERT_EQ((std::array<int16, 3>{engine.MissCodeLeft, engine.MissCodeCentre, engine.MissCodeRight}),
                (std::array<int16, 3>{reference.MissCodeLeft, reference.MissCodeCentre, reference.MissCodeRight}))
          << left << " " << centre << " " << right << " + " << count;
    }
  }
  SetOdometer(5, 6, 7);
  engine.AdvanceMissOdometerBy(4000LL * 1'000'000'000LL + 3);
  EXPECT_EQ((std::array<int16, 3>{engine.MissCodeLeft, engine.MissCodeCentre, engine.MissCodeRight}),
            (std::array<int16, 3>{8, 6, 7}));
}

}  // namespace
}  // namespace zv::testing
