#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/surface.h"

namespace zv::formats {

// An uncompressed 24-bit bitmap, pixels top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<platform::Colour> pixels;
};

// The file form: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom-up padded to 4 bytes.
// `trailingBytes` zero bytes follow the pixel rows and count in the image size, as some
// paint programs write them.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap, std::size_t trailingBytes = 0);
// Throws std::runtime_error for anything but an uncompressed 24-bit bitmap.
Bitmap DecodeBmp24(const std::vector<std::uint8_t>& bytes);
Bitmap ReadBmp24(const std::filesystem::path& path);

}  // namespace zv::formats
