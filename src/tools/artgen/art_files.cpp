#include "tools/artgen/art_files.h"

#include <fstream>
#include <stdexcept>

#include "formats/bmp_file.h"
#include "formats/art_text.h"
#include "formats/icon_file.h"

namespace zv::tools {
namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

formats::Bitmap Glyph(const formats::ArtText& art, platform::Colour lit) {
  formats::Bitmap bitmap{art.Width(), art.Height(), {}};
  for (int y = 0; y < art.Height(); ++y)
    for (int x = 0; x < art.Width(); ++x) bitmap.pixels.push_back(art.At(x, y) == 'X' ? lit : platform::kBlack);
  return bitmap;
}

}  // namespace

void WriteArtFiles(const std::filesystem::path& artDir, const std::filesystem::path& outDir) {
  const formats::ArtText glyph = formats::ReadArtText(artDir / "glyph.txt", "X.");
  if (glyph.Width() != 30 || glyph.Height() != 48) throw std::runtime_error("the glyph must be 30 x 48");
  // Two zero bytes after the pixel rows, counted in the image size: the stored bitmaps are
  // 4,472 bytes, as the paint program that first drew them wrote them.
  constexpr std::size_t kTrailingBytes = 2;
  WriteBytes(outDir / "red.bmp", formats::EncodeBmp24(Glyph(glyph, platform::Rgb(0xFF, 0, 0)), kTrailingBytes));
  WriteBytes(outDir / "green.bmp", formats::EncodeBmp24(Glyph(glyph, platform::Rgb(0, 0xFF, 0)), kTrailingBytes));
  WriteBytes(outDir / "orange.bmp",
             formats::EncodeBmp24(Glyph(glyph, platform::Rgb(0xFF, 0x80, 0)), kTrailingBytes));

  const formats::ArtText icon = formats::ReadArtText(artDir / "icon.txt", "kRG.");
  if (icon.Width() != 32 || icon.Height() != 32) throw std::runtime_error("the icon must be 32 x 32");
  WriteBytes(outDir / "zorvalite.ico", formats::EncodeIcon16(icon));
}

}  // namespace zv::tools
