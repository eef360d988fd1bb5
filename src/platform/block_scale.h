#pragma once
// The display block's size on the screen. Its drawing surface keeps the block's own size; the
// window shows that surface at a scale. A window smaller than the block (a preview in the
// screen-saver settings may be) shows it scaled down to fit, keeping its aspect.
#include <cstdint>

#include "runtime/int16.h"

namespace zv::platform {

// numerator / denominator: a length of the surface shows as length x numerator / denominator
// pixels, to the nearest pixel.
struct BlockScale {
  int16 numerator = 1;
  int16 denominator = 1;

  int16 Shown(int16 length) const;
  bool operator==(const BlockScale&) const = default;
};

// The scale of a width x height block in an area: 1:1 when it fits, otherwise the largest
// scale at which it fits in both directions.
BlockScale FitBlock(int16 areaWidth, int16 areaHeight, int16 width, int16 height);

// Where, along one direction of the area, a block of `shown` pixels first shows: at
// `preferred`, or nearer the edge when that would cut it off, but never before the edge.
int16 StartOffset(int16 preferred, int16 area, int16 shown);

// Fills a shownWidth x shownHeight target from a width x height source (both in rows, top
// first, with no gaps): each target pixel takes the source pixel under its centre.
void ScalePixels(const std::uint32_t* source, int16 width, int16 height, std::uint32_t* target, int16 shownWidth,
                 int16 shownHeight);

}  // namespace zv::platform
