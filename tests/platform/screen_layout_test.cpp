// The saver's geometry: its window over every monitor, the primary monitor's place in it, and
// the block's scale with the logical size the lottery places the block in.
#include "platform/screen_layout.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(layout.blockScale, 2);
  EXPECT_EQ(layout.ToWindow({10, 10, 130, 68}), (Rect{1300, 220, 260, 136}));
}

// Every logical pixel of the primary monitor shows whole on it.
TEST(ScreenLayout, TheLogicalSizeRoundsDown) {
  const ScreenLayout layout = LayoutFor({{0, 0, 1367, 769}, {{1367, 0, 1024, 768}}, 144});
  ASSERT_EQ(layout.blockScale, 2);
  EXPECT_EQ(layout.logicalWidth, 683);
  EXPECT_EQ(layout.logicalHeight, 384);
  EXPECT_EQ(layout.ToWindow({682, 383, 1, 1}), (Rect{1364, 766, 2, 2}));
}

}  // namespace
}  // namespace zv::platform
