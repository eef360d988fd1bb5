#include "saver/slept_passes.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

using namespace std::chrono_literals;

// Sleeps count at 24 passes per millisecond, and what a sleep leaves over of a pass carries on:
// a thousand sleeps of 0.24 passes each make 240, and their 0.024 left over completes the next.
TEST(SleptPassesTest, CountsSleepsAtTheNominalPaceCarryingTheFraction) {
  SleptPasses passes;
  EXPECT_EQ(passes.Count(15'625us), 375);
  std::int64_t total = 0;
  for (int i = 0; i < 1000; ++i) total += passes.Count(10'001ns);
  EXPECT_EQ(total, 240);
  EXPECT_EQ(passes.Count(999us), 24);
  EXPECT_EQ(passes.Count(-1ms), 0) << "a clock that stepped back counts nothing";
  EXPECT_EQ(passes.Count(1h), 3600LL * 1000 * 24);
}

}  // namespace
}  // namespace zv
