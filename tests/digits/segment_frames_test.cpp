// SegmentFrames against the scroll rule applied to the ten digits, the glyph's lit areas
// against the seven segments, and the seed points against those areas.
#include <gtest/gtest.h>

#include "digits/glyph.h"
#include "digits/segment_frames.h"
#include "display_reference.h"

namespace zv {
namespace {

using testing::ScrollFrameSegments;
using testing::SegmentMask;

TEST(ScrollRule, ReferenceAgreesWithKnownFrames) {
  // Frames whose shape is easy to see: checks of the reference itself.
  EXPECT_EQ(ScrollFrameSegments(0), "abcdef");
  EXPECT_EQ(ScrollFrameSegments(1), "ceg");   // 0 half a cell down
  EXPECT_EQ(ScrollFrameSegments(6), "a");     // the 1 has no top; the coming 2 shows its bottom
  EXPECT_EQ(ScrollFrameSegments(8), "abdeg");
  EXPECT_EQ(ScrollFrameSegments(28), "abcf");  // the 7 with its upper-left segment
  EXPECT_EQ(ScrollFrameSegments(39), "bfg");   // the coming 0's lower half
  EXPECT_EQ(ScrollFrameSegments(79), "bfg");
  EXPECT_EQ(SegmentMask("bfg"), 98);
}

TEST(SegmentFrames, EveryEntryFollowsTheScrollRule) {
  SegmentFrameTable frames{};
  int16 storeCursor = 0;
  FillSegmentFrames(frames, storeCursor);
  EXPECT_EQ(storeCursor, 80) << "left one past the last index written";
  for (int p = 0; p < 80; ++p) {
    EXPECT_EQ(frames[static_cast<std::size_t>(p)], SegmentMask(ScrollFrameSegments(p)))
        << "position " << p << " (code " << p / 4 << ", sub-step " << p % 4 << ") should light "
        << ScrollFrameSegments(p);
    EXPECT_EQ(frames[static_cast<std::size_t>(p)] & 0x80, 0);
  }
  for (int k = 0; k < 40; ++k) EXPECT_EQ(frames[static_cast<std::size_t>(40 + k)], frames[static_cast<std::size_t>(k)]);
  EXPECT_EQ(frames[54], 8);
  EXPECT_EQ(frames[2], frames[14]);
  EXPECT_EQ(frames[39], frames[79]);
}

TEST(SegmentFrames, ACursorNotResetBeforeTheTableOverrunsIt) {
  SegmentFrameTable frames{};
  int16 storeCursor = 1;
  try {
    FillSegmentFrames(frames, storeCursor);
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::SubscriptOutOfRange);
  }
  EXPECT_EQ(storeCursor, 80) << "the 80th value had no place left";
  EXPECT_EQ(frames[1], 63);
}

TEST(SeedPoints, EachLiesInItsOwnSegment) {
  const testing::GlyphAreas& areas = testing::GlyphAreas::Get();
  for (int segment = 0; segment < kSegmentCount; ++segment) {
    const SeedPoint seed = kSeedPoints[static_cast<std::size_t>(segment)];
    EXPECT_EQ(areas.SegmentAt(seed.column, seed.row), "abcdefg"[segment])
        << "seed (" << seed.column << "," << seed.row << ")";
  }
}

TEST(GlyphAreas, TheLitAreasAreTheSevenSegments) {
  const testing::GlyphAreas& areas = testing::GlyphAreas::Get();
  ASSERT_EQ(areas.RegionCount(), 7) << "every segment must be one closed area of the lit colour";
  struct Expected {
    char segment;
    int left, right, top, bottom, pixels;
  };
  const Expected table[] = {{'a', 4, 25, 1, 6, 102},   {'b', 23, 28, 2, 22, 104}, {'c', 23, 28, 25, 45, 104},
                            {'d', 4, 25, 41, 46, 102}, {'e', 1, 6, 25, 45, 104},  {'f', 1, 6, 2, 22, 104},
                            {'g', 4, 25, 21, 26, 120}};
  int total = 0;
  for (const Expected& e : table) {
    SCOPED_TRACE(std::string("segment ") + e.segment);
    const testing::GlyphAreas::Box box = areas.Bounds(e.segment);
    EXPECT_EQ(box.left, e.left);
    EXPECT_EQ(box.right, e.right);
    EXPECT_EQ(box.top, e.top);
    EXPECT_EQ(box.bottom, e.bottom);
    EXPECT_EQ(areas.PixelCount(e.segment), e.pixels);
    total += areas.PixelCount(e.segment);
  }
  EXPECT_EQ(total, 740);
}

}  // namespace
}  // namespace zv
