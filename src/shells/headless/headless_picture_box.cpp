#include "shells/headless/headless_picture_box.h"

#include "formats/bmp_file.h"

namespace zv::headless {

HeadlessPictureBox::HeadlessPictureBox(int16 width, int16 height)
    : width_(width), height_(height), surface_(width, height) {}

void HeadlessPictureBox::SetWidth(int16 width) {
  width_ = width;
  surface_.Resize(width_, height_);
}

void HeadlessPictureBox::SetHeight(int16 height) {
  height_ = height;
  surface_.Resize(width_, height_);
}

void HeadlessPictureBox::LoadPicture(const std::filesystem::path& bitmapFile) {
  formats::Bitmap bitmap = formats::ReadBmp24(bitmapFile);
  width_ = static_cast<int16>(bitmap.width);
  height_ = static_cast<int16>(bitmap.height);
  surface_.Assign(width_, height_, std::move(bitmap.pixels));
}

const char* ArtFileName(platform::Art art) {
  switch (art) {
    case platform::Art::Red: return "red.bmp";
    case platform::Art::Green: return "green.bmp";
    case platform::Art::Orange: return "orange.bmp";
  }
  return "";
}

}  // namespace zv::headless
