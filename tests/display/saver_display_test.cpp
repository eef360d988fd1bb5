// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10) of the primary monitor, at the
// block's scale.
#include <gtest/gtest.h>

#include <optional>

#include "display_reference.h"
#include "runtime/random_source.h"
#include "testing/saver_run.h"

namespace zv {
namespace {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;

testing::ExpectedDisplay RedThreeRedOneRedThree() {
  testing::ExpectedDisplay expected;
  expected.DrawCell(10, 10, "abcdg", testing::kRed);
  expected.DrawCell(50, 10, "bc", testing::kRed);
  expected.DrawCell(90, 10, "abcdg", testing::kRed);
  return expected;
}

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
  const auto mismatches = RedThreeRedOneRedThree().Compare(display.Dc(), "saver-first-pass");
  EXPECT_TRUE(mismatches.empty()) << mismatches.front();
  EXPECT_GT(window.Passes(), 1);
  EXPECT_EQ(window.DisplayRefreshes(), 1) << "only the first pass, which drew the reels, presents the block";
}

// At 192 DPI, with a second monitor to the left of the primary and higher: the window covers
// both, the first spin tick puts the block somewhere on the primary in logical pixels, each shown
// as a 2 x 2 square, and everything else is black.
TEST(SaverDisplay, AtTwiceTheDpiTheBlockShowsInSquaresOnThePrimaryMonitor) {
  headless::SaverWindowOptions options;
  options.otherMonitors = {{-800, -100, 800, 600}};
  options.dpi = 192;
  ClockSeededRandom random([] { return std::uint64_t{1}; });
  HeadlessPlatform shell(random, options);
  shell.pendingInput.push_back({InputEvent::Kind::Key, 200 * kMillisecond});
  testing::SaverRun run(shell);
  std::optional<platform::SoftwareSurface> screen;
  int left = 0, top = 0;
  run.Run([&](headless::HeadlessSaverWindow& window, const LotteryEngine&) {
    if (screen) return;
    screen = window.Screen();
    left = 800 + 2 * window.Display().Left();
    top = 100 + 2 * window.Display().Top();
  });
  ASSERT_TRUE(screen);
  ASSERT_EQ(screen->Width(), 1824);
  ASSERT_EQ(screen->Height(), 868);
  EXPECT_EQ(run.Window().ScaleWidth(), 512);
  EXPECT_EQ(run.Window().ScaleHeight(), 384);
  ASSERT_NE(left, 800 + 20) << "the first spin tick moved the block";

  platform::SoftwareSurface halved(130, 68);
  int litOutside = 0;
  for (int16 y = 0; y < screen->Height(); ++y)
    for (int16 x = 0; x < screen->Width(); ++x) {
      const int bx = x - left, by = y - top;
      const platform::Colour colour = screen->Pixel(x, y);
      if (bx < 0 || by < 0 || bx >= 260 || by >= 136) {
        litOutside += colour != platform::kBlack;
      } else if (colour != screen->Pixel(static_cast<int16>(x - bx % 2), static_cast<int16>(y - by % 2))) {
        ADD_FAILURE() << "(" << x << "," << y << ") differs from the top-left pixel of its square";
        return;
      } else {
        halved.SetPixel(static_cast<int16>(bx / 2), static_cast<int16>(by / 2), colour);
      }
    }
  EXPECT_EQ(litOutside, 0);
  const auto mismatches = RedThreeRedOneRedThree().Compare(halved, "saver-192dpi");
  EXPECT_TRUE(mismatches.empty()) << mismatches.front();
}

}  // namespace
}  // namespace zv
