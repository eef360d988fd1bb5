#include "formats/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <vector>

#include "platform/software_surface.h"

namespace zv::formats {
namespace {

// Snapshots: what libpng reads back from a written file is the surface, channel for channel.
TEST(WritePng, WritesTheSurfaceAsRgb) {
  platform::SoftwareSurface picture(4, 3);
  for (int16 y = 0; y < 3; ++y)
    for (int16 x = 0; x < 4; ++x) picture.SetPixel(x, y, platform::Rgb(60 * x, 100 * y, 255 - 40 * (x + y)));
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "write_png.png";
  WritePng(picture, path);

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0) << image.message;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0) << image.message;
  ASSERT_EQ(image.width, 4u);
  ASSERT_EQ(image.height, 3u);
  for (png_uint_32 i = 0; i < image.width * image.height; ++i) {
    const auto x = static_cast<int16>(i % image.width), y = static_cast<int16>(i / image.width);
    EXPECT_EQ(platform::Rgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]), picture.Pixel(x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace zv::formats
