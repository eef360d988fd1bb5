// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10); a preview draws the same in the
// settings page's window, scaled down where that is smaller than the block.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "display_reference.h"
#include "formats/png_file.h"
#include "runtime/random_source.h"
#include "testing/saver_run.h"

namespace zv {
namespace {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;

testing::ExpectedDisplay StartingReels() {
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
  const auto mismatches = StartingReels().Compare(display.Dc(), "saver-first-pass");
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
    Run(width, height, [&](headless::HeadlessSaverWindow& window) {
      // Gone before the first tick.
      window.Schedule({InputEvent::Kind::Close, kMillisecond / 2});
    });
    Run(width, height, [&](headless::HeadlessSaverWindow& window) {
      window.afterTimer1 = [&] {
        screens.push_back(window.Screen());
        places.emplace_back(window.Display().Left(), window.Display().Top());
        if (screens.size() == 3) throw Enough{};
      };
    });
  }

 private:
  struct Enough {};
  // A run until the process ends or `setUp`'s hooks have seen enough.
  template <typename SetUp>
  void Run(int16 width, int16 height, SetUp setUp) {
    ClockSeededRandom random([] { return std::uint64_t{1}; });
    HeadlessPlatform shell(random);
    constexpr platform::WindowHandle kParent = 4242;
    shell.otherWindows[kParent] = {width, height};
    testing::SaverRun run(shell, kParent);
    setUp(run.Window());
    try {
      run.Run();
    } catch (const Enough&) {
    }
    const platform::PictureBox& display = run.Window().Display();
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
  formats::WritePng(screen, dir / (name + "-actual.png"));
  formats::WritePng(expected, dir / (name + "-expected.png"));
  ADD_FAILURE() << name << ": " << wrong << " pixels differ; pictures " << (dir / name).string()
                << "-{actual,expected}.png";
}

// `picture` at width x height, as the window shows a block of its size at that size.
platform::SoftwareSurface Shown(const platform::SoftwareSurface& picture, int16 width, int16 height) {
  std::vector<platform::Colour> pixels(static_cast<std::size_t>(width) * height);
  platform::ScalePixels(picture.Pixels().data(), picture.Width(), picture.Height(), pixels.data(), width, height);
  platform::SoftwareSurface shown(0, 0);
  shown.Assign(width, height, std::move(pixels));
  return shown;
}

// In the settings page's 152 x 112 window the block shows at its own size, starts at (10, 10)
// and jumps within the window. A window smaller than the block (100 x 60) shows it scaled down
// to fit, keeping its aspect (100 x 52), starting as near (10, 10) as it shows whole. Every
// frame shows the whole block and nothing else.
TEST(PreviewDisplay, TheBlockShowsWholeInTheWindowScaledDownToFitOneSmallerThanIt) {
  struct Case {
    int16 width, height, shownWidth, shownHeight, startLeft, startTop;
  } cases[] = {{152, 112, 130, 68, 10, 10}, {100, 60, 100, 52, 0, 8}};
  const testing::ExpectedDisplay reels = StartingReels();
  for (const Case& c : cases) {
    const std::string name = "preview-" + std::to_string(c.width) + "x" + std::to_string(c.height);
    PreviewFrames frames(c.width, c.height);
    EXPECT_EQ(frames.shownWidth, c.shownWidth) << name;
    EXPECT_EQ(frames.shownHeight, c.shownHeight) << name;
    EXPECT_EQ(frames.startLeft, c.startLeft) << name;
    EXPECT_EQ(frames.startTop, c.startTop) << name;
    const platform::SoftwareSurface block = Shown(reels.Surface(), c.shownWidth, c.shownHeight);
    ASSERT_EQ(frames.screens.size(), 3u);
    for (std::size_t i = 0; i < frames.screens.size(); ++i) {
      const auto [left, top] = frames.places[i];
      EXPECT_TRUE(left >= 1 && left <= c.width - c.shownWidth + 1 && top >= 1 && top <= c.height - c.shownHeight + 1)
          << name << ": " << left << "," << top;
      ExpectScreenShowsBlockAt(frames.screens[i], block, left, top, name + "-tick" + std::to_string(i + 1));
    }
  }
}

}  // namespace
}  // namespace zv
