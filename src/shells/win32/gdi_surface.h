#pragma once
#include <windows.h>

#include "platform/surface.h"

namespace zv::win32 {

// A persistent drawing surface: a 32-bit DIB section selected into a memory device context,
// so colours are exact whatever the screen's depth.
class GdiSurface : public platform::Surface {
 public:
  GdiSurface(int16 width, int16 height);
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  int16 Width() const override { return width_; }
  int16 Height() const override { return height_; }
  platform::Colour Pixel(int16 x, int16 y) const override;
  void BitBlt(int16 x, int16 y, int16 w, int16 h, const platform::Surface& source, int16 sx, int16 sy) override;
  void SetFillColour(platform::Colour colour) override;
  void ExtFloodFill(int16 x, int16 y, platform::Colour border) override;

  // New size; the old content stays at the top left, new area black.
  void Resize(int16 width, int16 height);
  // Takes the size and pixels of a bitmap (a picture assignment).
  void Assign(HBITMAP bitmap);
  HDC Dc() const { return dc_; }

 private:
  void Allocate(int16 width, int16 height);

  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  HBRUSH brush_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  int16 width_ = 0;
  int16 height_ = 0;
};

}  // namespace zv::win32
