// The saver's load builds the art surfaces and SegmentFrames, and its first pass shows a
// red 3, a red 1 and a red 3 in the display block at (10, 10) of the primary monitor, at the
// block's scale; a preview draws the same in the settings page's window, scaled down where that
// is smaller than the block.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <optional>
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

// A preview in a window of the given size: where the block first shows, then the screen at
// Timer1's first ticks, which move the block but change no digit, so that each frame shows the
// starting 3 1 3 at the block's new place. Places are in the window's pixels.
struct PreviewFrames {
  platform::Rect start;
  std::vector<platform::SoftwareSurface> screens;
  std::vector<platform::Rect> places;

  PreviewFrames(int width, int height) {
    Run(width, height, [&](headless::HeadlessSaverWindow& window) {
      // Gone before the first tick.
      window.Schedule({InputEvent::Kind::Close, kMillisecond / 2});
    });
    Run(width, height, [&](headless::HeadlessSaverWindow& window) {
      window.afterTimer1 = [&] {
        screens.push_back(window.Screen());
        places.push_back(Shown(window));
        if (screens.size() == 3) throw Enough{};
      };
    });
  }

 private:
  struct Enough {};
  static platform::Rect Shown(headless::HeadlessSaverWindow& window) {
    const platform::PictureBox& display = window.Display();
    return window.Layout().ToWindow({display.Left(), display.Top(), display.Width(), display.Height()});
  }
  // A run until the process ends or `setUp`'s hooks have seen enough.
  template <typename SetUp>
  void Run(int width, int height, SetUp setUp) {
    ClockSeededRandom random([] { return std::uint64_t{1}; });
    HeadlessPlatform shell(random);
    constexpr platform::WindowHandle kParent = 4242;
    shell.otherWindows[kParent] = {static_cast<int16>(width), static_cast<int16>(height)};
    testing::SaverRun run(shell, kParent);
    setUp(run.Window());
    try {
      run.Run();
    } catch (const Enough&) {
    }
    if (screens.empty()) start = Shown(run.Window());
  }
};

// The screen shows `block` at (left, top) and black everywhere else; on a mismatch both
// pictures are written to the test's temp folder.
void ExpectScreenShowsBlockAt(const platform::SoftwareSurface& screen, const platform::SoftwareSurface& block,
                              int left, int top, const std::string& name) {
  platform::SoftwareSurface expected(screen.Width(), screen.Height());
  expected.BitBlt(static_cast<int16>(left), static_cast<int16>(top), block.Width(), block.Height(), block, 0, 0);
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
platform::SoftwareSurface ShownAt(const platform::SoftwareSurface& picture, int width, int height) {
  std::vector<platform::Colour> pixels(static_cast<std::size_t>(width) * height);
  platform::ScalePixels(picture.Pixels().data(), picture.Width(), picture.Height(), pixels.data(), width, height);
  platform::SoftwareSurface shown(0, 0);
  shown.Assign(static_cast<int16>(width), static_cast<int16>(height), std::move(pixels));
  return shown;
}

// In the settings page's 152 x 112 window the block shows at its own size, starts at (10, 10)
// and jumps within the window. A window smaller than the block (100 x 60) shows it scaled down
// to fit, keeping its aspect (100 x 52), starting as near (10, 10) as it shows whole. Every
// frame shows the whole block and nothing else (give or take the pixel past the edge that the
// saver's jumps also allow).
TEST(PreviewDisplay, TheBlockShowsWholeInTheWindowScaledDownToFitOneSmallerThanIt) {
  struct Case {
    int width, height;
    platform::Rect start;
  } cases[] = {{152, 112, {10, 10, 130, 68}}, {100, 60, {0, 8, 100, 52}}};
  const testing::ExpectedDisplay reels = RedThreeRedOneRedThree();
  for (const Case& c : cases) {
    const std::string name = "preview-" + std::to_string(c.width) + "x" + std::to_string(c.height);
    PreviewFrames frames(c.width, c.height);
    EXPECT_EQ(frames.start, c.start) << name;
    const platform::SoftwareSurface block = ShownAt(reels.Surface(), c.start.width, c.start.height);
    ASSERT_EQ(frames.screens.size(), 3u);
    for (std::size_t i = 0; i < frames.screens.size(); ++i) {
      const platform::Rect& place = frames.places[i];
      EXPECT_TRUE(place.width == c.start.width && place.height == c.start.height && place.left >= 0 &&
                  place.top >= 0 && place.left + place.width <= c.width + 1 && place.top + place.height <= c.height + 1)
          << name << ": " << place.left << "," << place.top;
      ExpectScreenShowsBlockAt(frames.screens[i], block, place.left, place.top, name + "-tick" + std::to_string(i + 1));
    }
  }
}

}  // namespace
}  // namespace zv
