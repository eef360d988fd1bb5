#pragma once
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace zv::platform {

// A pixel buffer that copies and border-fills the way GDI does: the surface of every
// shell other than Win32.
class SoftwareSurface : public Surface {
 public:
  SoftwareSurface(int16 width, int16 height, Colour background = kBlack);

  int16 Width() const override { return width_; }
  int16 Height() const override { return height_; }
  Colour Pixel(int16 x, int16 y) const override;
  void SetPixel(int16 x, int16 y, Colour colour);
  void BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) override;
  // The whole of `source` stretched onto the w x h block at (x, y), clipped to this surface:
  // each pixel takes the colour of the source pixel it falls on, never a blend, as GDI's
  // StretchBlt does in COLORONCOLOR mode. At a whole multiple each source pixel becomes a square.
  void StretchBlt(int x, int y, int w, int h, const SoftwareSurface& source);
  void SetFillColour(Colour colour) override { fill_ = colour; }
  void ExtFloodFill(int16 x, int16 y, Colour border) override;

  // Replaces size and content, as when a picture is assigned.
  void Assign(int16 width, int16 height, std::vector<Colour> pixels);
  void Resize(int16 width, int16 height);
  const std::vector<Colour>& Pixels() const { return pixels_; }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  int16 width_;
  int16 height_;
  Colour fill_ = kBlack;
  std::vector<Colour> pixels_;

  // Scratch space of the border fills, kept from fill to fill to spare allocations.
  struct Span {
    int y, left, right;
  };
  std::vector<std::uint32_t> fillMarks_;
  std::uint32_t fillMark_ = 0;
  std::vector<Span> fillSpans_;
  std::vector<std::pair<int, int>> fillSeeds_;
};

}  // namespace zv::platform
