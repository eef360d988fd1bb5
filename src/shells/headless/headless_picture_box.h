#pragma once
#include <cstdint>
#include <filesystem>

#include "platform/saver_window.h"
#include "platform/software_surface.h"

namespace zv::headless {

// A picture box held in memory: its place and size in the window, and a software surface that
// holds its pixels.
class HeadlessPictureBox : public platform::PictureBox {
 public:
  HeadlessPictureBox(int16 width = 0, int16 height = 0);

  int16 Left() const override { return left_; }
  int16 Top() const override { return top_; }
  int16 Width() const override { return width_; }
  int16 Height() const override { return height_; }
  void SetLeft(int16 left) override { left_ = left; }
  void SetTop(int16 top) override { top_ = top; }
  void SetWidth(int16 width) override;
  void SetHeight(int16 height) override;
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetSolidFill(platform::Colour colour) override { dc_->SetFillColour(colour); }
  platform::Surface& Dc() override { return *dc_; }
  void Refresh() override { ++refreshes_; }

  // The picture assignment: the box takes the size and pixels of a 24-bit bitmap file.
  void LoadPicture(const std::filesystem::path& bitmapFile);
  // Drawing goes to `surface` from now on instead of to the box's pixels: a surface that
  // counts the calls, or one that takes them without painting. It must outlive the box's use.
  void DrawInto(platform::Surface& surface) { dc_ = &surface; }

  const platform::SoftwareSurface& Pixels() const { return surface_; }
  bool Enabled() const { return enabled_; }
  std::int64_t Refreshes() const { return refreshes_; }

 private:
  int16 left_ = 0, top_ = 0, width_, height_;
  bool enabled_ = true;
  std::int64_t refreshes_ = 0;
  platform::SoftwareSurface surface_;
  platform::Surface* dc_ = &surface_;
};

// The glyph bitmap file of an art, in the assets folder.
const char* ArtFileName(platform::Art art);

}  // namespace zv::headless
