// SegmentFrames against the scroll rule applied to the ten digits, and the seed points
// against the glyph's segment areas.
#include <gtest/gtest.h>

#include "display/glyph.h"
#include "display/segment_frames.h"
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

}  // namespace
}  // namespace zv
