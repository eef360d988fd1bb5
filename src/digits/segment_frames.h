#pragma once
#include <array>
#include <span>

#include "runtime/int16.h"

namespace zv {

// The segment pattern shown at each reel position 0..79 (position = 4 x digit code + scroll
// sub-step); entries 40..79 repeat 0..39.
inline constexpr int16 kSegmentFrameCount = 80;
using SegmentFrameTable = std::array<byte, kSegmentFrameCount>;

// Stores the 80 patterns through FillByteTable at StoreCursor, leaving it one past the last.
void FillSegmentFrames(std::span<byte> SegmentFrames, int16& StoreCursor);

}  // namespace zv
