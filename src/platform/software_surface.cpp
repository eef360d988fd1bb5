#include "platform/software_surface.h"

#include <algorithm>
#include <cstdint>

namespace zv::platform {

SoftwareSurface::SoftwareSurface(int16 width, int16 height, Colour background)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(std::max<int>(width, 0)) * std::max<int>(height, 0), background) {}

Colour SoftwareSurface::Pixel(int16 x, int16 y) const {
  // Outside the surface GDI's GetPixel reports CLR_INVALID.
  if (!Inside(x, y)) return 0xFFFFFFFFu;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void SoftwareSurface::SetPixel(int16 x, int16 y, Colour colour) {
  if (Inside(x, y)) At(x, y) = colour;
}

void SoftwareSurface::BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) {
  // From another software surface: copy the rows of the part inside both surfaces.
  if (const auto* from = dynamic_cast<const SoftwareSurface*>(&source); from && from != this) {
    const int left = std::max({0, -x, -sx});
    const int top = std::max({0, -y, -sy});
    const int right = std::min({static_cast<int>(w), width_ - x, from->width_ - sx});
    const int bottom = std::min({static_cast<int>(h), height_ - y, from->height_ - sy});
    if (left >= right) return;
    for (int row = top; row < bottom; ++row) {
      const Colour* in = &from->pixels_[static_cast<std::size_t>(sy + row) * from->width_ + sx + left];
      std::copy(in, in + (right - left), &At(x + left, y + row));
    }
    return;
  }
  // Copy through a temporary so that a copy within one surface reads the old pixels.
  std::vector<Colour> block(static_cast<std::size_t>(std::max<int>(w, 0)) * std::max<int>(h, 0));
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col)
      block[static_cast<std::size_t>(row) * w + col] =
          source.Pixel(static_cast<int16>(sx + col), static_cast<int16>(sy + row));
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) {
      Colour c = block[static_cast<std::size_t>(row) * w + col];
      int dx = x + col, dy = y + row;
      if (c != 0xFFFFFFFFu && Inside(dx, dy)) At(dx, dy) = c;
    }
}

void SoftwareSurface::ExtFloodFill(int16 x, int16 y, Colour border) {
  if (!Inside(x, y) || At(x, y) == border) return;
  // Scanline fill over 4-connected pixels that are not the border colour. Visited pixels
  // are tracked apart from their colour, since the brush may equal neither colour; the
  // runs found are painted at the end, so the cost follows the area filled.
  struct Run {
    int y, left, right;
  };
  std::vector<std::uint8_t> seen(pixels_.size(), 0);
  std::vector<Run> runs;
  std::vector<std::pair<int, int>> stack{{x, y}};
  auto open = [&](int px, int py) {
    return Inside(px, py) && !seen[static_cast<std::size_t>(py) * width_ + px] && At(px, py) != border;
  };
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (!open(px, py)) continue;
    int left = px, right = px;
    while (open(left - 1, py)) --left;
    while (open(right + 1, py)) ++right;
    for (int cx = left; cx <= right; ++cx) seen[static_cast<std::size_t>(py) * width_ + cx] = 1;
    runs.push_back({py, left, right});
    for (int cx = left; cx <= right; ++cx) {
      if (open(cx, py - 1)) stack.emplace_back(cx, py - 1);
      if (open(cx, py + 1)) stack.emplace_back(cx, py + 1);
    }
  }
  for (const Run& run : runs)
    for (int cx = run.left; cx <= run.right; ++cx) At(cx, run.y) = fill_;
}

void SoftwareSurface::Assign(int16 width, int16 height, std::vector<Colour> pixels) {
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
  pixels_.resize(static_cast<std::size_t>(std::max<int>(width, 0)) * std::max<int>(height, 0), kBlack);
}

void SoftwareSurface::Resize(int16 width, int16 height) {
  std::vector<Colour> pixels(static_cast<std::size_t>(std::max<int>(width, 0)) * std::max<int>(height, 0), kBlack);
  for (int row = 0; row < std::min<int>(height, height_); ++row)
    for (int col = 0; col < std::min<int>(width, width_); ++col)
      pixels[static_cast<std::size_t>(row) * width + col] = At(col, row);
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
}

}  // namespace zv::platform
