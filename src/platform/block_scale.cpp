#include "platform/block_scale.h"

#include <algorithm>
#include <vector>

namespace zv::platform {
namespace {

// The source pixel under the centre of shown pixel i, when `length` pixels show as `shown`.
int SourcePixel(int i, int length, int shown) {
  return static_cast<int>((2 * std::int64_t{i} + 1) * length / (2 * std::int64_t{shown}));
}

}  // namespace

int16 BlockScale::Shown(int16 length) const {
  const std::int64_t twice = 2 * std::int64_t{length} * numerator;
  return static_cast<int16>((twice + denominator) / (2 * std::int64_t{denominator}));
}

// Rounded to the nearest pixel, the fitting direction comes out at the area's length exactly
// and the other at most at the area's: a length that fits stays within it when rounded.
BlockScale FitBlock(int16 areaWidth, int16 areaHeight, int16 width, int16 height) {
  if (areaWidth >= width && areaHeight >= height) return {};
  if (std::int64_t{areaWidth} * height <= std::int64_t{areaHeight} * width) return {areaWidth, width};
  return {areaHeight, height};
}

int16 StartOffset(int16 preferred, int16 area, int16 shown) {
  return static_cast<int16>(std::max(0, std::min<int>(preferred, area - shown)));
}

void ScalePixels(const std::uint32_t* source, int16 width, int16 height, std::uint32_t* target, int16 shownWidth,
                 int16 shownHeight) {
  std::vector<int> columns(static_cast<std::size_t>(std::max<int16>(shownWidth, 0)));
  for (int x = 0; x < shownWidth; ++x) columns[x] = SourcePixel(x, width, shownWidth);
  for (int y = 0; y < shownHeight; ++y) {
    const std::uint32_t* row = source + static_cast<std::ptrdiff_t>(SourcePixel(y, height, shownHeight)) * width;
    for (int x = 0; x < shownWidth; ++x) *target++ = row[columns[x]];
  }
}

}  // namespace zv::platform
