#include "formats/png_file.h"

#include <png.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace zv::formats {

void WritePng(const platform::Surface& surface, const std::filesystem::path& path) {
  const int width = surface.Width(), height = surface.Height();
  std::vector<png_byte> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const platform::Colour c = surface.Pixel(static_cast<int16>(x), static_cast<int16>(y));
      pixels.push_back(static_cast<png_byte>(c));
      pixels.push_back(static_cast<png_byte>(c >> 8));
      pixels.push_back(static_cast<png_byte>(c >> 16));
    }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
  const std::string why = image.message;
  png_image_free(&image);
  if (!written) throw std::runtime_error("cannot write " + path.string() + ": " + why);
}

}  // namespace zv::formats
