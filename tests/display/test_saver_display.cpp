// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10).
#include <gtest/gtest.h>

#include "display_reference.h"
#include "platform/headless/headless_platform.h"
#include "saver/frm_scrn_save.h"
#include "runtime/random_source.h"

namespace zv {
namespace {

using platform::headless::HeadlessPlatform;
using platform::headless::InputEvent;
using platform::headless::kMillisecond;
using platform::headless::ProcessEnded;

TEST(SaverDisplay, FirstPassShowsRedThreeRedOneRedThreeAtTheBlock) {
  // The lottery's draws do not change the first pass.
  ClockSeededRandom random([] { return std::uint64_t{1}; });
  platform::headless::SaverWindowOptions options;
  options.assetsDir = ZV_ASSETS_DIR;
  HeadlessPlatform shell(random, options);
  // Quit before the first spin tick can move anything.
  shell.pendingInput.push_back({InputEvent::Kind::Key, kMillisecond / 2});
  Globals globals;
  globals.SaverMode = kTrue;
  frmScrnSave saver(shell, globals);
  EXPECT_THROW(saver.Form_Load(), ProcessEnded);

  platform::headless::HeadlessSaverWindow& window = *shell.saverWindow;
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
