#pragma once
#include <array>

#include "runtime/int16.h"

namespace zv {

// The 30 x 48 cell of one digit: the size of the lit-8 glyph in every art.
inline constexpr int16 kCellWidth = 30;
inline constexpr int16 kCellHeight = 48;

// The seven segments a to g; bit n of a segment pattern lights the n-th of them.
inline constexpr int kSegmentCount = 7;

// Where the border fill of each segment starts, relative to the cell's top-left corner.
// Each lies inside its segment's closed area of the glyph.
struct SeedPoint {
  int16 column;
  int16 row;
};
inline constexpr std::array<SeedPoint, kSegmentCount> kSeedPoints = {{
    {15, 4},   // a, top
    {26, 12},  // b, upper right
    {26, 36},  // c, lower right
    {15, 44},  // d, bottom
    {4, 36},   // e, lower left
    {4, 12},   // f, upper left
    {15, 24},  // g, middle
}};

}  // namespace zv
