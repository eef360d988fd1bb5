#pragma once
#include <cstdint>
#include <filesystem>

#include "platform/software_picture_box.h"

namespace zv::headless {

// A picture box held in memory, whose refreshes are counted.
class HeadlessPictureBox : public platform::SoftwarePictureBox {
 public:
  using SoftwarePictureBox::SoftwarePictureBox;

  platform::Surface& Dc() override { return dc_ ? *dc_ : SoftwarePictureBox::Dc(); }
  void Refresh() override { ++refreshes_; }

  // The picture assignment: the box takes the size and pixels of a 24-bit bitmap file.
  void LoadPicture(const std::filesystem::path& bitmapFile);
  // Drawing goes to `surface` from now on instead of to the box's pixels: a surface that
  // counts the calls, or one that takes them without painting. It must outlive the box's use.
  void DrawInto(platform::Surface& surface) { dc_ = &surface; }

  std::int64_t Refreshes() const { return refreshes_; }

 private:
  std::int64_t refreshes_ = 0;
  platform::Surface* dc_ = nullptr;
};

// The glyph bitmap file of an art, in the assets folder.
const char* ArtFileName(platform::Art art);

}  // namespace zv::headless
