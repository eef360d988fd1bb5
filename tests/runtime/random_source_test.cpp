#include "runtime/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zv {
namespace {

std::vector<float> Draw(RandomSource& random, int count) {
  std::vector<float> numbers;
  for (int i = 0; i < count; ++i) numbers.push_back(random.Rnd());
  return numbers;
}

TEST(ClockSeededRandom, EveryNumberIsInZeroToOneAndAMultipleOfTwoToTheMinus24) {
  ClockSeededRandom random([] { return 12345u; });
  random.Randomize();
  for (float n : Draw(random, 100000)) {
    ASSERT_GE(n, 0.0f);
    ASSERT_LT(n, 1.0f);
    double scaled = static_cast<double>(n) * 16777216.0;
    ASSERT_EQ(scaled, std::floor(scaled));
  }
}

TEST(ClockSeededRandom, NumbersSpreadOverTheWholeRange) {
  ClockSeededRandom random([] { return 99u; });
  random.Randomize();
  int buckets[10] = {};
  for (float n : Draw(random, 100000)) ++buckets[static_cast<int>(n * 10)];
  for (int count : buckets) EXPECT_NEAR(count, 10000, 600);
}

TEST(ClockSeededRandom, TheClockDecidesTheSequence) {
  std::uint64_t now = 1000;
  ClockSeededRandom a([&] { return now; });
  ClockSeededRandom b([&] { return now; });
  a.Randomize();
  b.Randomize();
  EXPECT_EQ(Draw(a, 5), Draw(b, 5));

  ClockSeededRandom c([&] { return now; });
  ClockSeededRandom d([&] { return now; });
  c.Randomize();
  now += 1;  // the next tick of a fast clock
  d.Randomize();
  EXPECT_NE(Draw(c, 5), Draw(d, 5));
}

}  // namespace
}  // namespace zv
