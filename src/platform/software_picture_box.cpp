#include "platform/software_picture_box.h"

namespace zv::platform {

SoftwarePictureBox::SoftwarePictureBox(int16 width, int16 height)
    : width_(width), height_(height), surface_(width, height) {}

void SoftwarePictureBox::SetWidth(int16 width) {
  width_ = width;
  surface_.Resize(width_, height_);
}

void SoftwarePictureBox::SetHeight(int16 height) {
  height_ = height;
  surface_.Resize(width_, height_);
}

void SoftwarePictureBox::Assign(int16 width, int16 height, std::vector<Colour> pixels) {
  width_ = width;
  height_ = height;
  surface_.Assign(width_, height_, std::move(pixels));
}

const SoftwareSurface& SoftwarePictureBox::PixelsAt(int width, int height, SoftwareSurface& scaled) const {
  if (width == width_ && height == height_) return surface_;
  scaled.Resize(static_cast<int16>(width), static_cast<int16>(height));
  scaled.StretchBlt(0, 0, width, height, surface_);
  return scaled;
}

bool SoftwarePictureBox::TakeChange() {
  const Rect place{left_, top_, width_, height_};
  if (!shownPixels_.empty() && place == shownPlace_ && shownPixels_ == surface_.Pixels()) return false;
  shownPlace_ = place;
  shownPixels_ = surface_.Pixels();
  return true;
}

}  // namespace zv::platform
