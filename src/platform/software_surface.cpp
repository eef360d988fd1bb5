#include "platform/software_surface.h"

#include <algorithm>

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
  // Only the part of the block inside both surfaces is copied; GDI leaves the rest as it was.
  const int colFrom = std::max({0, -x, -sx}), colTo = std::min<int>({w, width_ - x, source.Width() - sx});
  const int rowFrom = std::max({0, -y, -sy}), rowTo = std::min<int>({h, height_ - y, source.Height() - sy});
  if (colFrom >= colTo || rowFrom >= rowTo) return;
  const int cols = colTo - colFrom;
  // Read each row before writing it, and the rows in an order that reads every row before
  // it is overwritten, so that a copy within one surface reads the old pixels.
  const bool upwards = &source == this && y > sy;
  std::vector<Colour> row(static_cast<std::size_t>(cols));
  // Every surface of a shell is of that shell's kind.
  const auto& from = static_cast<const SoftwareSurface&>(source);
  for (int i = 0; i < rowTo - rowFrom; ++i) {
    const int r = upwards ? rowTo - 1 - i : rowFrom + i;
    const Colour* first = &from.pixels_[static_cast<std::size_t>(sy + r) * from.width_ + sx + colFrom];
    std::copy(first, first + cols, row.begin());
    std::copy(row.begin(), row.end(), &At(x + colFrom, y + r));
  }
}

void SoftwareSurface::ExtFloodFill(int16 x, int16 y, Colour border) {
  if (!Inside(x, y) || At(x, y) == border) return;
  // Scanline fill over 4-connected pixels that are not the border colour. Visited pixels
  // are tracked apart from their colour, since the brush may equal neither colour; the
  // spans found are painted at the end.
  std::vector<bool> seen(pixels_.size(), false);
  struct Span {
    int y, left, right;
  };
  std::vector<Span> spans;
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
    for (int cx = left; cx <= right; ++cx) seen[static_cast<std::size_t>(py) * width_ + cx] = true;
    spans.push_back({py, left, right});
    for (int cx = left; cx <= right; ++cx) {
      if (open(cx, py - 1)) stack.emplace_back(cx, py - 1);
      if (open(cx, py + 1)) stack.emplace_back(cx, py + 1);
    }
  }
  for (const Span& span : spans) std::fill(&At(span.left, span.y), &At(span.right, span.y) + 1, fill_);
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
