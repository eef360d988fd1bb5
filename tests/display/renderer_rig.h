#pragma once
// The renderer on software surfaces, as the saver window sets it up at load: the display
// block 130 x 68 with a solid black fill, and the three art boxes holding the shipped bitmaps.
#include <filesystem>

#include "display/digit_renderer.h"
#include "formats/bmp_file.h"
#include "platform/software_surface.h"

namespace zv::testing {

// A software surface that counts the copies and fills drawn into it.
class RecordingSurface : public platform::SoftwareSurface {
 public:
  using SoftwareSurface::SoftwareSurface;
  void BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) override {
    ++copies;
    SoftwareSurface::BitBlt(x, y, w, h, source, sx, sy);
  }
  void ExtFloodFill(int16 x, int16 y, platform::Colour border) override {
    ++fills;
    SoftwareSurface::ExtFloodFill(x, y, border);
  }
  int copies = 0;
  int fills = 0;
};

class TestPictureBox : public platform::PictureBox {
 public:
  TestPictureBox(int16 width, int16 height) : surface(width, height) {}
  int16 Left() const override { return 0; }
  int16 Top() const override { return 0; }
  int16 Width() const override { return surface.Width(); }
  int16 Height() const override { return surface.Height(); }
  void SetLeft(int16) override {}
  void SetTop(int16) override {}
  void SetWidth(int16 width) override { surface.Resize(width, surface.Height()); }
  void SetHeight(int16 height) override { surface.Resize(surface.Width(), height); }
  void SetEnabled(bool) override {}
  void SetSolidFill(platform::Colour colour) override { surface.SetFillColour(colour); }
  platform::Surface& Dc() override { return surface; }
  void Refresh() override { ++refreshes; }

  RecordingSurface surface;
  int refreshes = 0;
};

struct RendererRig {
  RendererRig() {
    display.SetSolidFill(platform::kBlack);
    Load(red, "red.bmp");
    Load(green, "green.bmp");
    Load(orange, "orange.bmp");
    int16 storeCursor = 0;
    FillSegmentFrames(renderer.SegmentFrames, storeCursor);
  }
  static void Load(TestPictureBox& box, const char* file) {
    formats::Bitmap bitmap = formats::ReadBmp24(std::filesystem::path(ZV_ASSETS_DIR) / file);
    box.surface.Assign(static_cast<int16>(bitmap.width), static_cast<int16>(bitmap.height), std::move(bitmap.pixels));
  }
  void ResetCounts() { display.surface.copies = display.surface.fills = display.refreshes = 0; }

  TestPictureBox display{130, 68};
  TestPictureBox red{0, 0}, green{0, 0}, orange{0, 0};
  DigitRenderer renderer{display, red, green, orange};
};

}  // namespace zv::testing
