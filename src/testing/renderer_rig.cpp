#include "testing/renderer_rig.h"

namespace zv::testing {

void CountingSurface::BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) {
  ++copies;
  SoftwareSurface::BitBlt(x, y, w, h, source, sx, sy);
}

void CountingSurface::ExtFloodFill(int16 x, int16 y, platform::Colour border) {
  ++fills;
  SoftwareSurface::ExtFloodFill(x, y, border);
}

RendererRig::RendererRig(const std::filesystem::path& assetsDir) {
  display.DrawInto(shown);
  display.SetSolidFill(platform::kBlack);
  red.LoadPicture(assetsDir / headless::ArtFileName(platform::Art::Red));
  green.LoadPicture(assetsDir / headless::ArtFileName(platform::Art::Green));
  orange.LoadPicture(assetsDir / headless::ArtFileName(platform::Art::Orange));
  int16 storeCursor = 0;
  FillSegmentFrames(renderer.SegmentFrames, storeCursor);
}

void RendererRig::ResetCounts() {
  shown.copies = 0;
  shown.fills = 0;
  refreshesAtReset_ = display.Refreshes();
}

platform::SoftwareSurface ScreenOfState(const EngineView& view, const platform::ScreenLayout& layout,
                                        const platform::Rect& block) {
  RendererRig rig;
  rig.renderer.ShownPosLeft = rig.renderer.ShownPosCentre = rig.renderer.ShownPosRight = -1;
  rig.renderer.DrawPass(view);
  platform::SoftwareSurface screen(static_cast<int16>(layout.window.width), static_cast<int16>(layout.window.height));
  const platform::Rect shown = layout.ToWindow(block);
  screen.StretchBlt(shown.left, shown.top, shown.width, shown.height, rig.shown);
  return screen;
}

}  // namespace zv::testing
