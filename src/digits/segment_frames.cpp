#include "digits/segment_frames.h"

#include "runtime/table_fill.h"

namespace zv {

void FillSegmentFrames(std::span<byte> SegmentFrames, int16& StoreCursor) {
  // Per code: the digit at rest, then the three frames of its scroll down to the next digit.
  FillByteTable(SegmentFrames, StoreCursor,
                {63,  84, 8, 2,  6,   4,  1, 97, 91, 76, 9, 67, 79,  76, 8, 3,  102, 28, 1, 67,  // codes 0-4
                 109, 88, 9, 99, 125, 88, 8, 2,  39, 84, 9, 99, 127, 92, 9, 67, 111, 92, 9, 98,  // codes 5-9
                 63,  84, 8, 2,  6,   4,  1, 97, 91, 76, 9, 67, 79,  76, 8, 3,  102, 28, 1, 67,  // codes 10-14
                 109, 88, 9, 99, 125, 88, 8, 2,  39, 84, 9, 99, 127, 92, 9, 67, 111, 92, 9, 98});  // codes 15-19
}

}  // namespace zv
