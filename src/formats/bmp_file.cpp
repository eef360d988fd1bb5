#include "formats/bmp_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "formats/byte_order.h"

namespace zv::formats {
namespace {

std::uint32_t Get(const std::vector<std::uint8_t>& in, std::size_t at, int bytes) {
  if (at + bytes > in.size()) throw std::runtime_error("bitmap truncated");
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
  return value;
}

std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap, std::size_t trailingBytes) {
  const std::size_t rowBytes = RowBytes(bitmap.width);
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * bitmap.height + trailingBytes);
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, 54 + imageBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 54, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(bitmap.width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(bitmap.height), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);  // BI_RGB
  PutLittleEndian(out, imageBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int row = bitmap.height - 1; row >= 0; --row) {
    for (int col = 0; col < bitmap.width; ++col) {
      platform::Colour c = bitmap.pixels[static_cast<std::size_t>(row) * bitmap.width + col];
      out.push_back(static_cast<std::uint8_t>(c >> 16));  // blue
      out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
      out.push_back(static_cast<std::uint8_t>(c));        // red
    }
    for (std::size_t pad = static_cast<std::size_t>(bitmap.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  out.insert(out.end(), trailingBytes, 0);
  return out;
}

Bitmap DecodeBmp24(const std::vector<std::uint8_t>& in) {
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') throw std::runtime_error("not a bitmap");
  const std::uint32_t offset = Get(in, 10, 4);
  Bitmap bitmap;
  bitmap.width = static_cast<std::int32_t>(Get(in, 18, 4));
  const auto rawHeight = static_cast<std::int32_t>(Get(in, 22, 4));
  if (Get(in, 28, 2) != 24 || Get(in, 30, 4) != 0) throw std::runtime_error("not an uncompressed 24-bit bitmap");
  if (bitmap.width <= 0 || bitmap.width > 4096 || rawHeight == 0 || rawHeight > 4096 || rawHeight < -4096)
    throw std::runtime_error("bitmap size out of range");
  const bool bottomUp = rawHeight > 0;
  bitmap.height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t rowBytes = RowBytes(bitmap.width);
  if (offset + rowBytes * bitmap.height > in.size()) throw std::runtime_error("bitmap truncated");
  bitmap.pixels.resize(static_cast<std::size_t>(bitmap.width) * bitmap.height);
  for (int row = 0; row < bitmap.height; ++row) {
    const std::size_t fileRow = bottomUp ? bitmap.height - 1 - row : row;
    const std::size_t base = offset + fileRow * rowBytes;
    for (int col = 0; col < bitmap.width; ++col) {
      const std::size_t p = base + static_cast<std::size_t>(col) * 3;
      bitmap.pixels[static_cast<std::size_t>(row) * bitmap.width + col] = platform::Rgb(in[p + 2], in[p + 1], in[p]);
    }
  }
  return bitmap;
}

Bitmap ReadBmp24(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return DecodeBmp24(bytes);
}

}  // namespace zv::formats
