// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10); a preview draws the same in the
// settings page's window, scaled down where that is smaller than the block.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <vector>

#include "display_reference.h"
#include "platform/png_file.h"
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

// A preview in a window of the given size: the block's place and size as the load leaves
// them, then the screen at Timer1's first ticks, which move the block but change no digit, so
// that each frame shows the starting 3 1 3 at the block's new place.
struct PreviewFrames {
  int16 startLeft = 0, startTop = 0, shownWidth = 0, shownHeight = 0;
  std::vector<platform::SoftwareSurface> screens;
  std::vector<std::pair<int16, int16>> places;  // the block's left and top in each

  PreviewFrames(int16 width, int16 height) {
    Run(width, height, [&](platform::headless::HeadlessSaverWindow& window) {
      // Gone before the first tick.
      window.Schedule({InputEvent::Kind::Close, kMillisecond / 2});
    });
    struct Enough {};
    Run(width, height, [&](platform::headless::HeadlessSaverWindow& window) {
      window.afterTimer1 = [&] {
        screens.push_back(window.Screen());
        places.emplace_back(window.Display().Left(), window.Display().Top());
        if (screens.size() == 3) throw Enough{};
      };
    });
  }

 private:
  // A run until the process ends or `setUp`'s hooks stop it.
  template <typename SetUp>
  void Run(int16 width, int16 height, SetUp setUp) {
    ClockSeededRandom random([] { return std::uint64_t{1}; });
    platform::headless::SaverWindowOptions options;
    options.assetsDir = ZV_ASSETS_DIR;
    HeadlessPlatform shell(random, options);
    constexpr platform::WindowHandle kParent = 4242;
    shell.otherWindows[kParent] = {width, height};
    Globals globals;
    frmScrnSave preview(shell, globals, kParent);
    setUp(*shell.saverWindow);
    try {
      preview.Form_Load();
    } catch (...) {
    }
    const platform::PictureBox& display = shell.saverWindow->Display();
    if (screens.empty()) {
      startLeft = display.Left();
      startTop = display.Top();
      shownWidth = display.ShownWidth();
      shownHeight = display.ShownHeight();
    }
  }
};

// The screen shows `block` at (left, top) and black everywhere else; on a mismatch both
// pictures are written to the test's temp folder.
void ExpectScreenShowsBlockAt(const platform::SoftwareSurface& screen, const platform::SoftwareSurface& block,
                              int16 left, int16 top, const std::string& name) {
  platform::SoftwareSurface expected(screen.Width(), screen.Height());
  expected.BitBlt(left, top, block.Width(), block.Height(), block, 0, 0);
  if (expected.Pixels() == screen.Pixels()) return;
  const long wrong = std::inner_product(expected.Pixels().begin(), expected.Pixels().end(), screen.Pixels().begin(),
                                        0L, std::plus<>(), std::not_equal_to<>());
  const std::filesystem::path dir = ::testing::TempDir();
  platform::WritePng(screen, dir / (name + "-actual.png"));
  platform::WritePng(expected, dir / (name + "-expected.png"));
  ADD_FAILURE() << name << ": " << wrong << " pixels differ; pictures " << (dir / name).string()
                << "-{actual,expected}.png";
}

testing::ExpectedDisplay StartingReels() {
  testing::ExpectedDisplay expected;
  expected.DrawCell(10, 10, "abcdg", testing::kRed);
  expected.DrawCell(50, 10, "bc", testing::kRed);
  expected.DrawCell(90, 10, "abcdg", testing::kRed);
  return expected;
}

// In the settings page's 152 x 112 window the block starts at (10, 10) at its own size and
// jumps within the window; every frame shows it whole.
TEST(PreviewDisplay, TheBlockShowsWholeAtTenTenThenWithinTheSettingsPagesWindow) {
  PreviewFrames frames(152, 112);
  EXPECT_EQ(frames.startLeft, 10);
  EXPECT_EQ(frames.startTop, 10);
  EXPECT_EQ(frames.shownWidth, 130);
  EXPECT_EQ(frames.shownHeight, 68);
  ASSERT_EQ(frames.screens.size(), 3u);
  for (std::size_t i = 0; i < frames.screens.size(); ++i) {
    const auto [left, top] = frames.places[i];
    EXPECT_TRUE(left >= 1 && left <= 22 && top >= 1 && top <= 44) << left << "," << top;
    ExpectScreenShowsBlockAt(frames.screens[i], StartingReels().Surface(), left, top,
                             "preview-152x112-tick" + std::to_string(i + 1));
  }
}

// A window smaller than the block shows it scaled down to fit, keeping its aspect: 100 x 60
// shows it 100 x 52, starting as near (10, 10) as it shows whole.
TEST(PreviewDisplay, AWindowSmallerThanTheBlockShowsItScaledDownToFit) {
  PreviewFrames frames(100, 60);
  EXPECT_EQ(frames.shownWidth, 100);
  EXPECT_EQ(frames.shownHeight, 52);
  EXPECT_EQ(frames.startLeft, 0);
  EXPECT_EQ(frames.startTop, 8);
  const testing::ExpectedDisplay full = StartingReels();
  std::vector<platform::Colour> pixels(100 * 52);
  platform::ScalePixels(full.Surface().Pixels().data(), 130, 68, pixels.data(), 100, 52);
  platform::SoftwareSurface scaled(0, 0);
  scaled.Assign(100, 52, std::move(pixels));
  ASSERT_EQ(frames.screens.size(), 3u);
  for (std::size_t i = 0; i < frames.screens.size(); ++i) {
    const auto [left, top] = frames.places[i];
    ExpectScreenShowsBlockAt(frames.screens[i], scaled, left, top, "preview-100x60-tick" + std::to_string(i + 1));
  }
}

}  // namespace
}  // namespace zv