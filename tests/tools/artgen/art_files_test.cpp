// The shipped glyph bitmaps and icon: regenerated from their art texts, they come out byte
// for byte as committed.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "display_reference.h"
#include "formats/art_text.h"
#include "formats/bmp_file.h"
#include "tools/artgen/art_files.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const fs::path kAssets = ZV_ASSETS_DIR;

TEST(ArtFiles, RegeneratedFilesEqualTheCommittedOnes) {
  const fs::path out = fs::path(::testing::TempDir()) / "artgen-out";
  fs::create_directories(out);
  tools::WriteArtFiles(kAssets / "art", out);
  for (const char* name : {"red.bmp", "green.bmp", "orange.bmp", "zorvalite.ico"}) {
    SCOPED_TRACE(name);
    const auto committed = Bytes(kAssets / name);
    ASSERT_FALSE(committed.empty());
    EXPECT_EQ(Bytes(out / name), committed) << "run: cmake --build --preset native --target art";
  }
}

TEST(ArtFiles, EachBitmapIsTheGlyphInItsLitColour) {
  const formats::ArtText glyph = formats::ReadArtText(kAssets / "art" / "glyph.txt", "X.");
  const std::pair<const char*, platform::Colour> arts[] = {
      {"red.bmp", testing::kRed}, {"green.bmp", testing::kGreen}, {"orange.bmp", testing::kOrange}};
  for (const auto& [name, lit] : arts) {
    SCOPED_TRACE(name);
    const auto bytes = Bytes(kAssets / name);
    EXPECT_EQ(bytes.size(), 4472u);
    const formats::Bitmap bitmap = formats::DecodeBmp24(bytes);
    ASSERT_EQ(bitmap.width, 30);
    ASSERT_EQ(bitmap.height, 48);
    EXPECT_EQ(bytes[22], 48) << "rows are stored bottom-up";
    int litCount = 0, blackCount = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 30; ++x) {
        const platform::Colour c = bitmap.pixels[static_cast<std::size_t>(y) * 30 + x];
        ASSERT_EQ(c, glyph.At(x, y) == 'X' ? lit : platform::kBlack) << "pixel (" << x << "," << y << ")";
        (c == lit ? litCount : blackCount)++;
      }
    EXPECT_EQ(litCount, 740);
    EXPECT_EQ(blackCount, 700);
  }
}

// Reads a 4-bit icon's one image back: palette colour per pixel, or -1 where the mask is set.
std::vector<long> IconPixels(const std::vector<std::uint8_t>& ico, int size) {
  auto get = [&](std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(ico.at(at + i)) << (8 * i);
    return v;
  };
  const std::size_t image = get(18, 4);
  const std::size_t palette = image + get(image, 4);
  const std::size_t colours = palette + 16 * 4;
  const std::size_t mask = colours + static_cast<std::size_t>(size) * size / 2;
  std::vector<long> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const std::size_t fileRow = static_cast<std::size_t>(size - 1 - y);
      const bool transparent = ico.at(mask + fileRow * (size / 8) + x / 8) & (0x80 >> (x % 8));
      const int index = (ico.at(colours + fileRow * (size / 2) + x / 2) >> (x % 2 ? 0 : 4)) & 0xF;
      const std::size_t entry = palette + static_cast<std::size_t>(index) * 4;
      pixels.push_back(transparent ? -1 : static_cast<long>(platform::Rgb(ico[entry + 2], ico[entry + 1], ico[entry])));
    }
  return pixels;
}

TEST(ArtFiles, IconIsSixteenColourWithMaskAndShowsTheIconText) {
  const auto ico = Bytes(kAssets / "zorvalite.ico");
  ASSERT_EQ(ico.size(), 766u);
  EXPECT_EQ(ico[6], 32);   // width
  EXPECT_EQ(ico[7], 32);   // height
  EXPECT_EQ(ico[8], 16);   // palette colours
  EXPECT_EQ(ico[12], 4);   // bits per pixel
  const formats::ArtText icon = formats::ReadArtText(kAssets / "art" / "icon.txt", "kRG.");
  const auto pixels = IconPixels(ico, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const char c = icon.At(x, y);
      const long want = c == '.' ? -1 : c == 'k' ? 0 : c == 'R' ? 0x0000FF : 0x00FF00;
      ASSERT_EQ(pixels[static_cast<std::size_t>(y) * 32 + x], want) << "icon pixel (" << x << "," << y << ")";
    }
}

}  // namespace
}  // namespace zv
