#include "platform/block_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zv::platform {
namespace {

struct Shown {
  int width, height;
  bool operator==(const Shown&) const = default;
};
Shown ShownIn(int16 areaWidth, int16 areaHeight) {
  const BlockScale scale = FitBlock(areaWidth, areaHeight, 130, 68);
  return {scale.Shown(130), scale.Shown(68)};
}

TEST(BlockScale, TheBlockShowsWholeWhereItFitsAndScaledDownToTheAreaWhereItDoesNot) {
  EXPECT_EQ(FitBlock(1024, 768, 130, 68), BlockScale{});
  EXPECT_EQ(FitBlock(152, 112, 130, 68), BlockScale{});  // the settings page's preview
  EXPECT_EQ(FitBlock(130, 68, 130, 68), BlockScale{});
  EXPECT_EQ(ShownIn(100, 75), (Shown{100, 52}));   // too narrow: the width fits
  EXPECT_EQ(ShownIn(129, 68), (Shown{129, 67}));
  EXPECT_EQ(ShownIn(200, 34), (Shown{65, 34}));    // too low: the height fits
  EXPECT_EQ(ShownIn(1, 1), (Shown{1, 1}));
}

// Every area up to a little beyond the block: the block shows inside it, filling it in one
// direction, and keeps its aspect to the nearest pixel.
TEST(BlockScale, ScaledDownItFitsTouchesOneEdgeAndKeepsItsAspect) {
  for (int16 w = 1; w <= 140; ++w)
    for (int16 h = 1; h <= 80; ++h) {
      const Shown shown = ShownIn(w, h);
      if (w >= 130 && h >= 68) {
        ASSERT_EQ(shown, (Shown{130, 68})) << w << "x" << h;
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

TEST(BlockScale, TheBlockStartsAtItsPlaceOrAsNearAsItShowsWhole) {
  EXPECT_EQ(StartOffset(10, 152, 130), 10);
  EXPECT_EQ(StartOffset(10, 135, 130), 5);
  EXPECT_EQ(StartOffset(10, 100, 100), 0);
}

TEST(ScalePixels, EachShownPixelTakesTheSourcePixelUnderItsCentre) {
  // 6 x 4 source, pixel value 10 x row + column.
  std::vector<std::uint32_t> source;
  for (std::uint32_t y = 0; y < 4; ++y)
    for (std::uint32_t x = 0; x < 6; ++x) source.push_back(10 * y + x);
  auto scaled = [&](int16 w, int16 h) {
    std::vector<std::uint32_t> target(static_cast<std::size_t>(w) * h);
    ScalePixels(source.data(), 6, 4, target.data(), w, h);
    return target;
  };
  EXPECT_EQ(scaled(6, 4), source);
  EXPECT_EQ(scaled(3, 2), (std::vector<std::uint32_t>{11, 13, 15, 31, 33, 35}));
  EXPECT_EQ(scaled(4, 3), (std::vector<std::uint32_t>{0, 2, 3, 5, 20, 22, 23, 25, 30, 32, 33, 35}));
  EXPECT_EQ(scaled(1, 1), (std::vector<std::uint32_t>{23}));
}

}  // namespace
}  // namespace zv::platform
