#include "shells/headless/headless_picture_box.h"

#include "formats/bmp_file.h"

namespace zv::headless {

void HeadlessPictureBox::LoadPicture(const std::filesystem::path& bitmapFile) {
  formats::Bitmap bitmap = formats::ReadBmp24(bitmapFile);
  Assign(static_cast<int16>(bitmap.width), static_cast<int16>(bitmap.height), std::move(bitmap.pixels));
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
