#pragma once
// What the display must show, worked out from the glyph text and the seven-segment digits
// alone: nothing here reads the renderer's tables or seed points.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/software_surface.h"

namespace zv::testing {

inline constexpr platform::Colour kRed = platform::Rgb(0xFF, 0, 0);
inline constexpr platform::Colour kGreen = platform::Rgb(0, 0xFF, 0);
inline constexpr platform::Colour kOrange = platform::Rgb(0xFF, 0x80, 0);

// Segment letters ("abcdefg" order) lit by a digit 0-9 on a seven-segment display.
std::string DigitSegments(int digit);
// Segment letters lit at a reel position, by the scroll rule: the digit moves down half a
// cell per sub-step while the next digit comes in from above, half a cell behind.
std::string ScrollFrameSegments(int position);
// The pattern byte of a set of segment letters: bit n for the n-th letter of "abcdefg".
int SegmentMask(std::string_view letters);

// The glyph's lit areas: the 4-connected regions of X in assets/art/glyph.txt, each named
// a to g by its place (the three lying ones top to bottom a, g, d; the standing ones
// f, e on the left and b, c on the right, upper first).
class GlyphAreas {
 public:
  static const GlyphAreas& Get();
  int Width() const { return 30; }
  int Height() const { return 48; }
  // The segment letter of a pixel of the cell, or 0 for black.
  char SegmentAt(int x, int y) const { return segment_[static_cast<std::size_t>(y) * 30 + x]; }
  int RegionCount() const { return regionCount_; }
  int PixelCount(char segment) const;
  struct Box {
    int left, top, right, bottom;
  };
  Box Bounds(char segment) const;

 private:
  GlyphAreas();
  std::array<char, 30 * 48> segment_{};
  int regionCount_ = 0;
};

// The display block as it must look: 130 x 68, black, with digits drawn into cells.
class ExpectedDisplay {
 public:
  ExpectedDisplay();
  // The cell at (x, y) shows the lit letters in `colour`, everything else of it black.
  void DrawCell(int x, int y, std::string_view lit, platform::Colour colour);
  void DrawPosition(int x, int y, int position, platform::Colour colour) {
    DrawCell(x, y, ScrollFrameSegments(position), colour);
  }
  const platform::SoftwareSurface& Surface() const { return surface_; }
  // Empty when `actual` matches; else one line per reel cell and segment that is wrong
  // ("centre reel, segment c: 104 pixels differ, e.g. (76,46) is #000000, expected #FF0000"),
  // and both pictures are written as PNG files under `dumpName` in the test's temp folder.
  std::vector<std::string> Compare(const platform::Surface& actual, const std::string& dumpName) const;

 private:
  platform::SoftwareSurface surface_;
};

// "#RRGGBB"
std::string ColourName(platform::Colour colour);

}  // namespace zv::testing
