// The software surface copies and border-fills the way GDI does (the Wine test compares it
// with GDI itself on the real glyphs; these are the rules in small).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/software_surface.h"

namespace zv::platform {
namespace {

constexpr Colour kR = Rgb(255, 0, 0), kG = Rgb(0, 255, 0), kB = Rgb(0, 0, 255), kW = Rgb(255, 255, 255);

// A surface from rows of characters: '.' black, 'R', 'G', 'B', 'W'.
SoftwareSurface Picture(const std::vector<std::string>& rows) {
  SoftwareSurface s(static_cast<int16>(rows[0].size()), static_cast<int16>(rows.size()));
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      s.SetPixel(static_cast<int16>(x), static_cast<int16>(y),
                 c == 'R' ? kR : c == 'G' ? kG : c == 'B' ? kB : c == 'W' ? kW : kBlack);
    }
  return s;
}

std::vector<std::string> Rows(const SoftwareSurface& s) {
  std::vector<std::string> rows;
  for (int16 y = 0; y < s.Height(); ++y) {
    std::string row;
    for (int16 x = 0; x < s.Width(); ++x) {
      const Colour c = s.Pixel(x, y);
      row += c == kR ? 'R' : c == kG ? 'G' : c == kB ? 'B' : c == kW ? 'W' : c == kBlack ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(SoftwareSurfaceBitBlt, CopiesABlockAndClipsToBothSurfaces) {
  const SoftwareSurface source = Picture({"RG", "BW"});
  SoftwareSurface target(4, 3);
  target.BitBlt(1, 1, 2, 2, source, 0, 0);
  EXPECT_EQ(Rows(target), (std::vector<std::string>{"....", ".RG.", ".BW."}));

  target.BitBlt(3, -1, 2, 2, source, 0, 0);  // only the lower-left pixel lands
  EXPECT_EQ(Rows(target), (std::vector<std::string>{"...B", ".RG.", ".BW."}));

  SoftwareSurface other(3, 1, kW);
  other.BitBlt(0, 0, 3, 1, source, 1, 0);  // the source has one pixel to give; the rest stays
  EXPECT_EQ(Rows(other), (std::vector<std::string>{"GWW"}));
}

TEST(SoftwareSurfaceBitBlt, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
  SoftwareSurface s = Picture({"RGB."});
  s.BitBlt(1, 0, 3, 1, s, 0, 0);
  EXPECT_EQ(Rows(s), (std::vector<std::string>{"RRGB"}));
  s.BitBlt(0, 0, 3, 1, s, 1, 0);
  EXPECT_EQ(Rows(s), (std::vector<std::string>{"RGBB"}));

  SoftwareSurface column = Picture({"R", "G", "B", "."});
  column.BitBlt(0, 1, 1, 3, column, 0, 0);
  EXPECT_EQ(Rows(column), (std::vector<std::string>{"R", "R", "G", "B"}));
  column.BitBlt(0, 0, 1, 3, column, 0, 1);
  EXPECT_EQ(Rows(column), (std::vector<std::string>{"R", "G", "B", "B"}));
}

TEST(SoftwareSurfaceFloodFill, FillsTheFourConnectedAreaUpToTheBorderColour) {
  SoftwareSurface s = Picture({
      "RRR.GG",
      "R.R.GG",
      "RRR.GG",
      "...R..",
  });
  s.SetFillColour(kB);
  s.ExtFloodFill(0, 0, kBlack);
  // The ring around the hole is filled; the diagonal touch at (3,3) does not carry the fill.
  EXPECT_EQ(Rows(s), (std::vector<std::string>{"BBB.GG", "B.B.GG", "BBB.GG", "...R.."}));
}

TEST(SoftwareSurfaceFloodFill, SpreadsThroughEveryColourButTheBorder) {
  SoftwareSurface s = Picture({"RGWB", "....", "RRRR"});
  s.SetFillColour(kBlack);
  s.ExtFloodFill(1, 0, kBlack);
  EXPECT_EQ(Rows(s), (std::vector<std::string>{"....", "....", "RRRR"}));

  // Border other than black: black is then just another colour to fill.
  SoftwareSurface t = Picture({"..W.", "..W.", "..W."});
  t.SetFillColour(kR);
  t.ExtFloodFill(0, 1, kW);
  EXPECT_EQ(Rows(t), (std::vector<std::string>{"RRW.", "RRW.", "RRW."}));
}

TEST(SoftwareSurfaceFloodFill, StartOnTheBorderOrOutsideDoesNothing) {
  const std::vector<std::string> rows{"R.R", "R.R"};
  SoftwareSurface s = Picture(rows);
  s.SetFillColour(kG);
  s.ExtFloodFill(1, 0, kBlack);
  s.ExtFloodFill(-1, 0, kBlack);
  s.ExtFloodFill(3, 1, kBlack);
  EXPECT_EQ(Rows(s), rows);
}

TEST(SoftwareSurfaceFloodFill, FillColourEqualToTheAreaStillEnds) {
  SoftwareSurface s = Picture({"RR.G", "RR.G"});
  s.SetFillColour(kR);
  s.ExtFloodFill(0, 0, kBlack);
  EXPECT_EQ(Rows(s), (std::vector<std::string>{"RR.G", "RR.G"}));
}

}  // namespace
}  // namespace zv::platform
