#include "formats/icon_file.h"

#include <stdexcept>

#include "formats/byte_order.h"

namespace zv::formats {
namespace {

// The standard 16-colour palette, as 0xRRGGBB.
constexpr std::uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::uint8_t PaletteIndex(char pixel) {
  switch (pixel) {
    case 'k': return 0;
    case 'R': return 9;
    case 'G': return 10;
    default: return 0;  // transparent: black under a set mask bit
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon16(const ArtText& art) {
  const int width = art.Width(), height = art.Height();
  if (width <= 0 || width > 255 || height <= 0 || height > 255 || width % 8 != 0)
    throw std::runtime_error("icon size must be a multiple of 8 wide, at most 255");
  const std::size_t colourRow = (static_cast<std::size_t>(width) / 2 + 3) & ~std::size_t{3};
  const std::size_t maskRow = (static_cast<std::size_t>(width) / 8 + 3) & ~std::size_t{3};
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(40 + 16 * 4 + (colourRow + maskRow) * height);

  std::vector<std::uint8_t> out;
  // ICONDIR and its one ICONDIRENTRY.
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, 1, 2);  // icon
  PutLittleEndian(out, 1, 2);  // one image
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 1);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 1);
  PutLittleEndian(out, 16, 1);  // palette colours
  PutLittleEndian(out, 0, 1);
  PutLittleEndian(out, 1, 2);  // planes
  PutLittleEndian(out, 4, 2);  // bits per pixel
  PutLittleEndian(out, imageBytes, 4);
  PutLittleEndian(out, 6 + 16, 4);
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(height * 2), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 4, 2);
  PutLittleEndian(out, 0, 4);  // BI_RGB
  PutLittleEndian(out, static_cast<std::uint32_t>((colourRow + maskRow) * height), 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 0, 4);
  for (std::uint32_t rgb : kPalette) {
    out.push_back(static_cast<std::uint8_t>(rgb));        // blue
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
    out.push_back(0);
  }
  // Colour rows then mask rows, each bottom-up; the left pixel in the high nibble or bit.
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(colourRow, 0);
    for (int x = 0; x < width; ++x)
      row[static_cast<std::size_t>(x) / 2] |= static_cast<std::uint8_t>(PaletteIndex(art.At(x, y)) << (x % 2 ? 0 : 4));
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRow, 0);
    for (int x = 0; x < width; ++x)
      if (art.At(x, y) == '.') row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace zv::formats
