// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10).
#include <gtest/gtest.h>

#include "display_reference.h"
#include "runtime/random_source.h"
#include "testing/saver_run.h"

namespace zv {
namespace {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;

TEST(SaverDisplay, FirstPassShowsRedThreeRedOneRedThreeAtTheBlock) {
  // The lottery's draws do not change the first pass.
  ClockSeededRandom random([] { return std::uint64_t{1}; });
  HeadlessPlatform shell(random);
  // Quit before the first spin tick can move anything.
  shell.pendingInput.push_back({InputEvent::Kind::Key, kMillisecond / 2});
  testing::SaverRun run(shell);
  run.Run();

  headless::HeadlessSaverWindow& window = run.Window();
  platform::PictureBox& display = window.Display();
  EXPECT_EQ(display.Left(), 10);
  EXPECT_EQ(display.Top(), 10);
  EXPECT_EQ(display.Width(), 130);
  EXPECT_EQ(display.Height(), 68);
  testing::ExpectedDisplay expected;
  expected.DrawCell(10, 10, "abcdg", testing::kRed);
  expected.DrawCell(50, 10, "bc", testing::kRed);
  expected.DrawCell(90, 10, "abcdg", testing::kRed);
  const auto mismatches = expected.Compare(display.Dc(), "saver-first-pass");
  EXPECT_TRUE(mismatches.empty()) << mismatches.front();
  EXPECT_GT(window.Passes(), 1);
  EXPECT_EQ(window.DisplayRefreshes(), 1) << "only the first pass, which drew the reels, presents the block";
}

}  // namespace
}  // namespace zv
