#include "display_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "formats/png_file.h"
#include "formats/art_text.h"

namespace zv::testing {

std::string DigitSegments(int digit) {
  static const char* const kDigits[10] = {"abcdef", "bc",   "abdeg", "abcdg",   "bcfg",
                                          "acdfg",  "acdefg", "abcf", "abcdefg", "abcdfg"};
  return kDigits[digit];
}

namespace {

// Each listed segment that `from` lights moves to the place `to` names.
std::string Move(std::string_view segments, std::string_view from, std::string_view to) {
  std::string moved;
  for (std::size_t i = 0; i < from.size(); ++i)
    if (segments.find(from[i]) != std::string_view::npos) moved += to[i];
  std::sort(moved.begin(), moved.end());
  return moved;
}

}  // namespace

std::string ScrollFrameSegments(int position) {
  const int digit = (position / 4) % 10, next = (digit + 1) % 10;
  const std::string current = DigitSegments(digit), coming = DigitSegments(next);
  switch (position % 4) {
    case 0: return current;
    case 1: return Move(current, "abfg", "gced");  // the upper half, half a cell down
    case 2: {  // the top of this digit at the bottom, the bottom of the next at the top
      std::string both = Move(current, "a", "d") + Move(coming, "d", "a");
      std::sort(both.begin(), both.end());
      return both;
    }
    default: return Move(coming, "gced", "abfg");  // the lower half of the next, in the upper half
  }
}

int SegmentMask(std::string_view letters) {
  int mask = 0;
  for (char c : letters) mask |= 1 << (c - 'a');
  return mask;
}

GlyphAreas::GlyphAreas() {
  const formats::ArtText art = formats::ReadArtText(std::filesystem::path(ZV_ASSETS_DIR) / "art" / "glyph.txt", "X.");
  if (art.Width() != 30 || art.Height() != 48) throw std::runtime_error("glyph.txt is not 30 x 48");
  // Label the 4-connected regions of X.
  std::array<int, 30 * 48> label{};
  label.fill(-1);
  struct Region {
    int pixels = 0, left = 99, top = 99, right = -1, bottom = -1;
    long sumX = 0, sumY = 0;
  };
  std::vector<Region> regions;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 30; ++x) {
      if (art.At(x, y) != 'X' || label[static_cast<std::size_t>(y * 30 + x)] >= 0) continue;
      const int id = static_cast<int>(regions.size());
      regions.emplace_back();
      std::vector<std::pair<int, int>> stack{{x, y}};
      label[static_cast<std::size_t>(y * 30 + x)] = id;
      while (!stack.empty()) {
        auto [px, py] = stack.back();
        stack.pop_back();
        Region& r = regions[static_cast<std::size_t>(id)];
        ++r.pixels;
        r.sumX += px;
        r.sumY += py;
        r.left = std::min(r.left, px);
        r.right = std::max(r.right, px);
        r.top = std::min(r.top, py);
        r.bottom = std::max(r.bottom, py);
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
          const int nx = px + dx[k], ny = py + dy[k];
          if (nx < 0 || ny < 0 || nx >= 30 || ny >= 48 || art.At(nx, ny) != 'X') continue;
          int& l = label[static_cast<std::size_t>(ny * 30 + nx)];
          if (l < 0) {
            l = id;
            stack.emplace_back(nx, ny);
          }
        }
      }
    }
  regionCount_ = static_cast<int>(regions.size());

  // Name the regions by their place.
  std::vector<int> lying, standing;
  for (int id = 0; id < regionCount_; ++id) {
    const Region& r = regions[static_cast<std::size_t>(id)];
    (r.right - r.left > r.bottom - r.top ? lying : standing).push_back(id);
  }
  auto centreY = [&](int id) { return regions[static_cast<std::size_t>(id)].sumY / regions[static_cast<std::size_t>(id)].pixels; };
  auto centreX = [&](int id) { return regions[static_cast<std::size_t>(id)].sumX / regions[static_cast<std::size_t>(id)].pixels; };
  std::map<int, char> names;
  std::sort(lying.begin(), lying.end(), [&](int p, int q) { return centreY(p) < centreY(q); });
  const char lyingNames[] = {'a', 'g', 'd'};
  for (std::size_t i = 0; i < lying.size() && i < 3; ++i) names[lying[i]] = lyingNames[i];
  for (int id : standing) {
    const bool left = centreX(id) < 15, upper = centreY(id) < 24;
    names[id] = left ? (upper ? 'f' : 'e') : (upper ? 'b' : 'c');
  }
  for (int i = 0; i < 30 * 48; ++i) {
    const int id = label[static_cast<std::size_t>(i)];
    segment_[static_cast<std::size_t>(i)] = id < 0 ? 0 : (names.count(id) ? names[id] : '?');
  }
}

const GlyphAreas& GlyphAreas::Get() {
  static const GlyphAreas areas;
  return areas;
}

int GlyphAreas::PixelCount(char segment) const {
  return static_cast<int>(std::count(segment_.begin(), segment_.end(), segment));
}

GlyphAreas::Box GlyphAreas::Bounds(char segment) const {
  Box box{99, 99, -1, -1};
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 30; ++x)
      if (SegmentAt(x, y) == segment)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
  return box;
}

std::string ColourName(platform::Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return text;
}

ExpectedDisplay::ExpectedDisplay() : surface_(130, 68) {}

void ExpectedDisplay::DrawCell(int x, int y, std::string_view lit, platform::Colour colour) {
  const GlyphAreas& areas = GlyphAreas::Get();
  for (int row = 0; row < areas.Height(); ++row)
    for (int col = 0; col < areas.Width(); ++col) {
      const char segment = areas.SegmentAt(col, row);
      const bool on = segment != 0 && lit.find(segment) != std::string_view::npos;
      surface_.SetPixel(static_cast<int16>(x + col), static_cast<int16>(y + row), on ? colour : platform::kBlack);
    }
}

std::vector<std::string> ExpectedDisplay::Compare(const platform::Surface& actual, const std::string& dumpName) const {
  struct Wrong {
    int count = 0, x = 0, y = 0;
    platform::Colour got = 0, want = 0;
  };
  std::map<std::string, Wrong> wrong;
  if (actual.Width() != surface_.Width() || actual.Height() != surface_.Height())
    return {"the display is " + std::to_string(actual.Width()) + " x " + std::to_string(actual.Height()) +
            ", not 130 x 68"};
  const GlyphAreas& areas = GlyphAreas::Get();
  for (int16 y = 0; y < surface_.Height(); ++y)
    for (int16 x = 0; x < surface_.Width(); ++x) {
      const platform::Colour got = actual.Pixel(x, y), want = surface_.Pixel(x, y);
      if (got == want) continue;
      std::string where;
      const int cellX = x >= 90 ? 90 : x >= 50 ? 50 : 10;
      const int col = x - cellX, row = y - 10;
      if (col >= 0 && col < 30 && row >= 0 && row < 48) {
        where = cellX == 10 ? "left reel" : cellX == 50 ? "centre reel" : "right reel";
        const char segment = areas.SegmentAt(col, row);
        where += segment ? std::string(", segment ") + segment : std::string(", black frame or separator");
      } else {
        where = "outside the reels' cells";
      }
      Wrong& w = wrong[where];
      if (w.count++ == 0) w = {1, x, y, got, want};
    }
  std::vector<std::string> lines;
  for (const auto& [where, w] : wrong)
    lines.push_back(where + ": " + std::to_string(w.count) + " pixels differ, e.g. (" + std::to_string(w.x) + "," +
                    std::to_string(w.y) + ") is " + ColourName(w.got) + ", expected " + ColourName(w.want));
  if (!lines.empty()) {
    const std::filesystem::path dir = ::testing::TempDir();
    formats::WritePng(actual, dir / (dumpName + "-actual.png"));
    formats::WritePng(surface_, dir / (dumpName + "-expected.png"));
    lines.push_back("pictures: " + (dir / (dumpName + "-actual.png")).string() + " and -expected.png");
  }
  return lines;
}

}  // namespace zv::testing
