#include "platform/screen_layout.h"

#include <algorithm>

#include "machine/layout_and_timing.h"

namespace zv::platform {

namespace {
constexpr int kBaseDpi = 96;

bool BlockFits(const Rect& area, BlockScale scale) {
  return scale.Shown(kDisplayWidth) <= area.width && scale.Shown(kDisplayHeight) <= area.height;
}

// Rounded to the nearest pixel, the fitting direction comes out at the area's length exactly and
// the other at most at the area's: a length that fits stays within it when rounded.
BlockScale ScaleFor(const Rect& area, int dpi) {
  for (int whole = BlockScaleForDpi(dpi); whole >= 1; --whole)
    if (BlockFits(area, {whole, 1})) return {whole, 1};
  if (std::int64_t{area.width} * kDisplayHeight <= std::int64_t{area.height} * kDisplayWidth)
    return {std::max(area.width, 1), kDisplayWidth};
  return {std::max(area.height, 1), kDisplayHeight};
}
}  // namespace

int BlockScale::Shown(int logical) const {
  return static_cast<int>((2 * std::int64_t{logical} * numerator + denominator) / (2 * std::int64_t{denominator}));
}

int BlockScale::Logical(int pixels) const {
  return static_cast<int>(std::int64_t{pixels} * denominator / numerator);
}

int BlockScaleForDpi(int dpi) { return std::max(1, (dpi + kBaseDpi / 2) / kBaseDpi); }

int16 ScreenLayout::ScaleWidth() const { return static_cast<int16>(std::min(logicalWidth, 32767)); }
int16 ScreenLayout::ScaleHeight() const { return static_cast<int16>(std::min(logicalHeight, 32767)); }

Rect ScreenLayout::ToWindow(const Rect& logical) const {
  return {primaryLeft + blockScale.Shown(logical.left), primaryTop + blockScale.Shown(logical.top),
          blockScale.Shown(logical.width), blockScale.Shown(logical.height)};
}

ScreenLayout LayoutFor(const Desktop& desktop) {
  const Rect& primary = desktop.primary;
  int left = primary.left, top = primary.top;
  int right = primary.left + primary.width, bottom = primary.top + primary.height;
  for (const Rect& monitor : desktop.others) {
    left = std::min(left, monitor.left);
    top = std::min(top, monitor.top);
    right = std::max(right, monitor.left + monitor.width);
    bottom = std::max(bottom, monitor.top + monitor.height);
  }
  ScreenLayout layout;
  layout.window = {left, top, right - left, bottom - top};
  layout.primaryLeft = primary.left - left;
  layout.primaryTop = primary.top - top;
  layout.blockScale = ScaleFor(primary, desktop.primaryDpi);
  layout.logicalWidth = layout.blockScale.Logical(primary.width);
  layout.logicalHeight = layout.blockScale.Logical(primary.height);
  return layout;
}

int StartOffset(int preferred, int area, int length) { return std::max(0, std::min(preferred, area - length)); }

int SourcePixel(int shown, int length, int shownLength) {
  return static_cast<int>((2 * std::int64_t{shown} + 1) * length / (2 * std::int64_t{shownLength}));
}

void ScalePixels(const std::uint32_t* source, int width, int height, std::uint32_t* target, int shownWidth,
                 int shownHeight) {
  std::vector<int> columns(static_cast<std::size_t>(std::max(shownWidth, 0)));
  for (int x = 0; x < shownWidth; ++x) columns[x] = SourcePixel(x, width, shownWidth);
  for (int y = 0; y < shownHeight; ++y) {
    const std::uint32_t* row = source + static_cast<std::ptrdiff_t>(SourcePixel(y, height, shownHeight)) * width;
    for (int x = 0; x < shownWidth; ++x) *target++ = row[columns[x]];
  }
}

}  // namespace zv::platform
