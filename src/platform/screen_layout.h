#pragma once
#include <cstdint>
#include <vector>

#include "runtime/int16.h"

namespace zv::platform {

// A rectangle in pixels.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

// The monitors as a shell reports them, in desktop coordinates, and the primary monitor's DPI.
// A preview's "desktop" is the one window it shows in.
struct Desktop {
  Rect primary;
  std::vector<Rect> others;
  int primaryDpi = 96;
};

// numerator / denominator: each logical pixel shows as that many pixels a side. A whole number
// at high DPI, where each pixel of the block becomes a square; below 1 where the block would not
// fit otherwise, as in a preview's small window.
struct BlockScale {
  int numerator = 1;
  int denominator = 1;

  // The pixels `logical` logical pixels take, to the nearest pixel.
  int Shown(int logical) const;
  // The logical pixels that fit in `pixels` pixels.
  int Logical(int pixels) const;
  bool operator==(const BlockScale&) const = default;
};

// Where a saver run draws. Its window covers every monitor, black. The display block roams the
// primary monitor in logical pixels, each shown at the block's scale: the lottery and the
// placement of the block work on the logical size, so they run the same on every screen, and at
// a scale of 1 a logical pixel is a pixel.
struct ScreenLayout {
  // The window in desktop coordinates: the smallest rectangle that holds every monitor.
  Rect window;
  // The primary monitor's top-left corner in the window.
  int primaryLeft = 0;
  int primaryTop = 0;
  BlockScale blockScale;
  // The primary monitor's size in logical pixels.
  int logicalWidth = 0;
  int logicalHeight = 0;

  // The pixels of the window that show a rectangle given in logical pixels of the primary monitor.
  Rect ToWindow(const Rect& logical) const;
  // The logical size as the saver window's ScaleWidth and ScaleHeight give it, in 16 bits.
  int16 ScaleWidth() const;
  int16 ScaleHeight() const;
};

// The block's scale at a DPI: DPI / 96 rounded half up (1 at 96 and 120, 2 at 144 and 192), at
// least 1.
int BlockScaleForDpi(int dpi);

// The block's scale is the DPI's, or the largest whole scale below it at which the display block
// fits the primary monitor; where not even 1 does, the largest fraction at which it fits in both
// directions, keeping its aspect.
ScreenLayout LayoutFor(const Desktop& desktop);

// Where, along one direction of an area, a block of `length` first shows: at `preferred`, or
// nearer the edge when that would cut it off, but never before the edge.
int StartOffset(int preferred, int area, int length);

// The pixel of a `length`-pixel row (or column) that the `shown`-th of its `shownLength` pixels
// on the screen shows: the one under that pixel's centre. Never a blend: at a whole scale each
// pixel becomes a square.
int SourcePixel(int shown, int length, int shownLength);

// Fills a shownWidth x shownHeight target from a width x height source (both in rows, top
// first, with no gaps), each target pixel from its SourcePixel.
void ScalePixels(const std::uint32_t* source, int width, int height, std::uint32_t* target, int shownWidth,
                 int shownHeight);

}  // namespace zv::platform
