#pragma once
#include <vector>

#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "platform/software_surface.h"

namespace zv::platform {

// A picture box of a shell with software surfaces: its place and size in the window, and a
// software surface that holds its pixels. Each shell says what a refresh shows.
class SoftwarePictureBox : public PictureBox {
 public:
  SoftwarePictureBox(int16 width = 0, int16 height = 0);

  int16 Left() const override { return left_; }
  int16 Top() const override { return top_; }
  int16 Width() const override { return width_; }
  int16 Height() const override { return height_; }
  void SetLeft(int16 left) override { left_ = left; }
  void SetTop(int16 top) override { top_ = top; }
  void SetWidth(int16 width) override;
  void SetHeight(int16 height) override;
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetSolidFill(Colour colour) override { Dc().SetFillColour(colour); }
  Surface& Dc() override { return surface_; }

  // The picture assignment: the box takes a picture's size and pixels (top row first).
  void Assign(int16 width, int16 height, std::vector<Colour> pixels);
  const SoftwareSurface& Pixels() const { return surface_; }
  // The pixels as they show at `width` x `height`: the box's own at its own size, else `scaled`,
  // filled from them pixel by pixel (never a blend).
  const SoftwareSurface& PixelsAt(int width, int height, SoftwareSurface& scaled) const;
  bool Enabled() const { return enabled_; }
  // Whether a refresh has anything to show: false when the pixels and the place are those last
  // shown, so that a pass that changed no pixel sends nothing to the screen. Notes them as shown.
  bool TakeChange();
  // The screen no longer shows what the box showed last (the window was painted over): the next
  // refresh shows it.
  void ForgetShown() { shownPixels_.clear(); }

 private:
  int16 left_ = 0, top_ = 0, width_, height_;
  bool enabled_ = true;
  SoftwareSurface surface_;
  Rect shownPlace_{};
  std::vector<Colour> shownPixels_;
};

}  // namespace zv::platform
