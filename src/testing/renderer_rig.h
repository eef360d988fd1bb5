#pragma once
// The renderer on software surfaces, set up as the saver's load sets it up: the display block
// 130 x 68 with a solid black fill, the art boxes holding the glyph bitmaps, SegmentFrames filled.
#include <cstdint>
#include <filesystem>

#include "digits/digit_renderer.h"
#include "machine/layout_and_timing.h"
#include "platform/screen_layout.h"
#include "platform/software_surface.h"
#include "shells/headless/headless_picture_box.h"

namespace zv::testing {

// A software surface that counts the copies and fills drawn into it.
class CountingSurface : public platform::SoftwareSurface {
 public:
  using SoftwareSurface::SoftwareSurface;
  void BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) override;
  void ExtFloodFill(int16 x, int16 y, platform::Colour border) override;
  int copies = 0;
  int fills = 0;
};

struct RendererRig {
  explicit RendererRig(const std::filesystem::path& assetsDir = ZV_ASSETS_DIR);
  // Starts the counts of copies, fills and refreshes again from zero.
  void ResetCounts();
  std::int64_t Refreshes() const { return display.Refreshes() - refreshesAtReset_; }

  // What the display block shows.
  CountingSurface shown{kDisplayWidth, kDisplayHeight};
  headless::HeadlessPictureBox display{kDisplayWidth, kDisplayHeight};
  headless::HeadlessPictureBox red, green, orange;
  DigitRenderer renderer{display, red, green, orange};

 private:
  std::int64_t refreshesAtReset_ = 0;
};

// The whole screen as the headless shell draws a state of a run: black, with the display block
// as the renderer draws `view` from scratch, at `block` (logical pixels) and the layout's scale.
// The shells' checks compare what they show with it.
platform::SoftwareSurface ScreenOfState(const EngineView& view, const platform::ScreenLayout& layout,
                                        const platform::Rect& block);

}  // namespace zv::testing
