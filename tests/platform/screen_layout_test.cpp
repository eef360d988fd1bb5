// The saver's geometry: its window over every monitor, the primary monitor's place in it, and
// the block's scale with the logical size the lottery places the block in; the scaling of the
// block's pixels.
#include "platform/screen_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace zv::platform {
namespace {

TEST(ScreenLayout, BlockScaleIsTheDpiOver96RoundedHalfUp) {
  const struct {
    int dpi, scale;
  } cases[] = {{0, 1}, {72, 1}, {96, 1}, {120, 1}, {143, 1}, {144, 2}, {192, 2}, {240, 3}, {288, 3}, {384, 4}};
  for (const auto& c : cases) EXPECT_EQ(BlockScaleForDpi(c.dpi), c.scale) << c.dpi << " DPI";
}

TEST(ScreenLayout, OneMonitorAt96DpiIsTheScreenAsItWas) {
  const ScreenLayout layout = LayoutFor({{0, 0, 1024, 768}, {}, 96});
  EXPECT_EQ(layout.window, (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(layout.logicalWidth, 1024);
  EXPECT_EQ(layout.logicalHeight, 768);
  EXPECT_EQ(layout.ToWindow({137, 651, 130, 68}), (Rect{137, 651, 130, 68}));
}

TEST(ScreenLayout, TheWindowCoversEveryMonitorAndTheBlockStaysOnThePrimary) {
  // Beside it on the right: the window grows to the right, the primary stays at its corner.
  ScreenLayout layout = LayoutFor({{0, 0, 1024, 768}, {{1024, 0, 800, 600}}, 96});
  EXPECT_EQ(layout.window, (Rect{0, 0, 1824, 768}));
  EXPECT_EQ(layout.ToWindow({10, 10, 130, 68}), (Rect{10, 10, 130, 68}));
  EXPECT_EQ(layout.logicalWidth, 1024);

  // Left of it and higher, a third one below: the primary sits inside the window.
  layout = LayoutFor({{0, 0, 1920, 1080}, {{-1280, -200, 1280, 1024}, {0, 1080, 1920, 1080}}, 192});
  EXPECT_EQ(layout.window, (Rect{-1280, -200, 3200, 2360}));
  EXPECT_EQ(layout.primaryLeft, 1280);
  EXPECT_EQ(layout.primaryTop, 200);
  EXPECT_EQ(layout.blockScale, (BlockScale{2, 1}));
  EXPECT_EQ(layout.ToWindow({10, 10, 130, 68}), (Rect{1300, 220, 260, 136}));
}

// Every logical pixel of the primary monitor shows whole on it.
TEST(ScreenLayout, TheLogicalSizeRoundsDown) {
  const ScreenLayout layout = LayoutFor({{0, 0, 1367, 769}, {{1367, 0, 1024, 768}}, 144});
  ASSERT_EQ(layout.blockScale, (BlockScale{2, 1}));
  EXPECT_EQ(layout.logicalWidth, 683);
  EXPECT_EQ(layout.logicalHeight, 384);
  EXPECT_EQ(layout.ToWindow({682, 383, 1, 1}), (Rect{1364, 766, 2, 2}));
}

// The block on a window of the given size at 96 DPI (a preview's), as the window shows it.
Rect BlockIn(int width, int height) { return LayoutFor({{0, 0, width, height}, {}, 96}).ToWindow({0, 0, 130, 68}); }

TEST(ScreenLayout, TheBlockShowsWholeWhereItFitsAndScaledDownToTheWindowWhereItDoesNot) {
  EXPECT_EQ(BlockIn(152, 112), (Rect{0, 0, 130, 68}));  // the settings page's preview
  EXPECT_EQ(BlockIn(130, 68), (Rect{0, 0, 130, 68}));
  EXPECT_EQ(BlockIn(100, 75), (Rect{0, 0, 100, 52}));   // too narrow: the width fits
  EXPECT_EQ(BlockIn(129, 68), (Rect{0, 0, 129, 67}));
  EXPECT_EQ(BlockIn(200, 34), (Rect{0, 0, 65, 34}));    // too low: the height fits
  EXPECT_EQ(BlockIn(1, 1), (Rect{0, 0, 1, 1}));
  // The logical size holds the block just so in the direction that fits.
  const ScreenLayout layout = LayoutFor({{0, 0, 100, 60}, {}, 96});
  EXPECT_EQ(layout.logicalWidth, 130);
  EXPECT_EQ(layout.logicalHeight, 78);
}

// At high DPI in a window too small for the block at the DPI's scale: the largest whole scale at
// which it fits, so that its pixels stay squares.
TEST(ScreenLayout, AWindowTooSmallForTheDpisScaleTakesTheLargestWholeScaleThatFits) {
  EXPECT_EQ(LayoutFor({{0, 0, 304, 224}, {}, 192}).blockScale, (BlockScale{2, 1}));
  EXPECT_EQ(LayoutFor({{0, 0, 200, 150}, {}, 192}).blockScale, (BlockScale{1, 1}));
  EXPECT_EQ(LayoutFor({{0, 0, 300, 150}, {}, 288}).blockScale, (BlockScale{2, 1}));
  // An exact fit at 2, and a pixel short of it either way.
  const ScreenLayout exact = LayoutFor({{0, 0, 260, 136}, {}, 192});
  EXPECT_EQ(exact.blockScale, (BlockScale{2, 1}));
  EXPECT_EQ(exact.ToWindow({0, 0, 130, 68}), (Rect{0, 0, 260, 136}));
  EXPECT_EQ(LayoutFor({{0, 0, 259, 136}, {}, 192}).blockScale, (BlockScale{1, 1}));
  EXPECT_EQ(LayoutFor({{0, 0, 260, 135}, {}, 192}).blockScale, (BlockScale{1, 1}));
}

// Every window up to a little beyond the block: the block shows inside it, filling it in one
// direction, and keeps its aspect to the nearest pixel.
TEST(ScreenLayout, ScaledDownTheBlockFitsTouchesOneEdgeAndKeepsItsAspect) {
  for (int w = 1; w <= 140; ++w)
    for (int h = 1; h <= 80; ++h) {
      const Rect shown = BlockIn(w, h);
      if (w >= 130 && h >= 68) {
        ASSERT_EQ(shown, (Rect{0, 0, 130, 68})) << w << "x" << h;
        continue;
      }
      ASSERT_TRUE(shown.width <= w && shown.height <= h) << w << "x" << h;
      ASSERT_TRUE(shown.width == w || shown.height == h) << w << "x" << h;
      ASSERT_GE(shown.width, 1);
      ASSERT_GE(shown.height, 1);
      if (shown.width == w) ASSERT_LE(std::abs(shown.height - w * 68.0 / 130), 0.5) << w << "x" << h;
      else ASSERT_LE(std::abs(shown.width - h * 130.0 / 68), 0.5) << w << "x" << h;
    }
}

TEST(ScreenLayout, TheBlockStartsAtItsPlaceOrAsNearAsItShowsWhole) {
  EXPECT_EQ(StartOffset(10, 152, 130), 10);
  EXPECT_EQ(StartOffset(10, 135, 130), 5);
  EXPECT_EQ(StartOffset(10, 130, 130), 0);
}

// A preview whose parent has an empty client area: a layout all the same, the block a pixel or
// two at the corner.
TEST(ScreenLayout, AnEmptyAreaShowsTheBlockAtTheCorner) {
  for (const auto& [area, shown] : {std::pair{Rect{0, 0, 0, 0}, Rect{0, 0, 1, 1}},
                                    std::pair{Rect{0, 0, 0, 50}, Rect{0, 0, 1, 1}},
                                    std::pair{Rect{0, 0, 50, 0}, Rect{0, 0, 2, 1}}}) {
    const ScreenLayout layout = LayoutFor({area, {}, 96});
    const Rect block{StartOffset(10, layout.ScaleWidth(), 130), StartOffset(10, layout.ScaleHeight(), 68), 130, 68};
    EXPECT_EQ(layout.ToWindow(block), shown) << area.width << "x" << area.height;
  }
}

TEST(ScalePixels, EachShownPixelTakesTheSourcePixelUnderItsCentre) {
  // 6 x 4 source, pixel value 10 x row + column.
  std::vector<std::uint32_t> source;
  for (std::uint32_t y = 0; y < 4; ++y)
    for (std::uint32_t x = 0; x < 6; ++x) source.push_back(10 * y + x);
  auto scaled = [&](int w, int h) {
    std::vector<std::uint32_t> target(static_cast<std::size_t>(w) * h);
    ScalePixels(source.data(), 6, 4, target.data(), w, h);
    return target;
  };
  EXPECT_EQ(scaled(6, 4), source);
  EXPECT_EQ(scaled(3, 2), (std::vector<std::uint32_t>{11, 13, 15, 31, 33, 35}));
  EXPECT_EQ(scaled(4, 3), (std::vector<std::uint32_t>{0, 2, 3, 5, 20, 22, 23, 25, 30, 32, 33, 35}));
  EXPECT_EQ(scaled(1, 1), (std::vector<std::uint32_t>{23}));
  // Twice as large: every pixel a 2 x 2 square.
  const std::vector<std::uint32_t> twice = scaled(12, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(twice[y * 12 + x], source[(y / 2) * 6 + x / 2]) << x << "," << y;
}

}  // namespace
}  // namespace zv::platform
