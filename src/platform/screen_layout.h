#pragma once
#include <vector>

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
struct Desktop {
  Rect primary;
  std::vector<Rect> others;
  int primaryDpi = 96;
};

// Where a saver run draws. Its window covers every monitor, black. The display block roams the
// primary monitor in logical pixels, and each logical pixel shows as a square of blockScale x
// blockScale pixels: the lottery and the placement of the block work on the logical size, so
// they run the same on every screen, and at a scale of 1 a logical pixel is a pixel.
struct ScreenLayout {
  // The window in desktop coordinates: the smallest rectangle that holds every monitor.
  Rect window;
  // The primary monitor's top-left corner in the window.
  int primaryLeft = 0;
  int primaryTop = 0;
  int blockScale = 1;
  // The primary monitor's size in logical pixels.
  int logicalWidth = 0;
  int logicalHeight = 0;

  // The pixels of the window that show a rectangle given in logical pixels of the primary monitor.
  Rect ToWindow(const Rect& logical) const;
};

// The block's scale at a DPI: DPI / 96 rounded half up (1 at 96 and 120, 2 at 144 and 192), at
// least 1.
int BlockScaleForDpi(int dpi);

ScreenLayout LayoutFor(const Desktop& desktop);

}  // namespace zv::platform
