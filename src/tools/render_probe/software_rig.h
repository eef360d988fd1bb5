#pragma once
// The renderer on software surfaces, set up as the saver's load sets it up: the display
// block 130 x 68 with a solid black fill, the art boxes holding the shipped bitmaps, and
// SegmentFrames filled.
#include <filesystem>

#include "display/digit_renderer.h"
#include "formats/bmp_file.h"
#include "platform/software_surface.h"
#include "tools/render_probe/probe_picture_box.h"

namespace zv::tools {

struct SoftwareRig {
  using Box = ProbePictureBox<platform::SoftwareSurface>;

  explicit SoftwareRig(const std::filesystem::path& assetsDir) {
    display.SetSolidFill(platform::kBlack);
    Load(red, assetsDir / "red.bmp");
    Load(green, assetsDir / "green.bmp");
    Load(orange, assetsDir / "orange.bmp");
    int16 storeCursor = 0;
    FillSegmentFrames(renderer.SegmentFrames, storeCursor);
  }
  static void Load(Box& box, const std::filesystem::path& file) {
    formats::Bitmap bitmap = formats::ReadBmp24(file);
    box.surface.Assign(static_cast<int16>(bitmap.width), static_cast<int16>(bitmap.height), std::move(bitmap.pixels));
  }

  Box display{int16{130}, int16{68}};
  Box red{int16{0}, int16{0}}, green{int16{0}, int16{0}}, orange{int16{0}, int16{0}};
  DigitRenderer renderer{display, red, green, orange};
};

}  // namespace zv::tools
