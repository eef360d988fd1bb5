#include "platform/screen_layout.h"

#include <algorithm>

namespace zv::platform {

namespace {
constexpr int kBaseDpi = 96;
}  // namespace

int BlockScaleForDpi(int dpi) { return std::max(1, (dpi + kBaseDpi / 2) / kBaseDpi); }

Rect ScreenLayout::ToWindow(const Rect& logical) const {
  return {primaryLeft + logical.left * blockScale, primaryTop + logical.top * blockScale, logical.width * blockScale,
          logical.height * blockScale};
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
  layout.blockScale = BlockScaleForDpi(desktop.primaryDpi);
  layout.logicalWidth = primary.width / layout.blockScale;
  layout.logicalHeight = primary.height / layout.blockScale;
  return layout;
}

}  // namespace zv::platform
