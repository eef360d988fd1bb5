#include "platform/software_surface.h"

#include <algorithm>
#include <cstring>

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
  const auto bytes = static_cast<std::size_t>(colTo - colFrom) * sizeof(Colour);
  // Every surface of a shell is of that shell's kind.
  const auto& from = static_cast<const SoftwareSurface&>(source);
  // A copy within one surface must read the old pixels: memmove takes care of a row, and
  // the rows go in the order that reads each one before it is overwritten.
  const bool upwards = &source == this && y > sy;
  for (int i = 0; i < rowTo - rowFrom; ++i) {
    const int r = upwards ? rowTo - 1 - i : rowFrom + i;
    std::memmove(&At(x + colFrom, y + r), &from.pixels_[static_cast<std::size_t>(sy + r) * from.width_ + sx + colFrom],
                 bytes);
  }
}

void SoftwareSurface::StretchBlt(int x, int y, int w, int h, const SoftwareSurface& source) {
  for (int row = std::max(0, -y); row < std::min(h, height_ - y); ++row) {
    const int sourceRow = row * source.height_ / h;
    for (int col = std::max(0, -x); col < std::min(w, width_ - x); ++col)
      At(x + col, y + row) = source.pixels_[static_cast<std::size_t>(sourceRow) * source.width_ + col * source.width_ / w];
  }
}

void SoftwareSurface::ExtFloodFill(int16 x, int16 y, Colour border) {
  if (!Inside(x, y) || At(x, y) == border) return;
  // Scanline fill over 4-connected pixels that are not the border colour. Visited pixels
  // are marked apart from their colour, since the brush may equal neither colour, and the
  // spans found are painted at the end. A new mark value per fill spares clearing the marks.
  if (fillMarks_.size() != pixels_.size() || fillMark_ == UINT32_MAX) {
    fillMarks_.assign(pixels_.size(), 0);
    fillMark_ = 0;
  }
  const std::uint32_t mark = ++fillMark_;
  auto open = [&](int px, int py) {
    return Inside(px, py) && fillMarks_[static_cast<std::size_t>(py) * width_ + px] != mark && At(px, py) != border;
  };
  fillSpans_.clear();
  fillSeeds_.clear();
  fillSeeds_.emplace_back(x, y);
  while (!fillSeeds_.empty()) {
    const auto [px, py] = fillSeeds_.back();
    fillSeeds_.pop_back();
    if (!open(px, py)) continue;
    int left = px, right = px;
    while (open(left - 1, py)) --left;
    while (open(right + 1, py)) ++right;
    std::fill(&fillMarks_[static_cast<std::size_t>(py) * width_ + left],
              &fillMarks_[static_cast<std::size_t>(py) * width_ + right] + 1, mark);
    fillSpans_.push_back({py, left, right});
    // One seed per run of open pixels in the rows above and below.
    for (int ny : {py - 1, py + 1}) {
      bool inRun = false;
      for (int cx = left; cx <= right; ++cx) {
        const bool isOpen = open(cx, ny);
        if (isOpen && !inRun) fillSeeds_.emplace_back(cx, ny);
        inRun = isOpen;
      }
    }
  }
  for (const Span& span : fillSpans_) std::fill(&At(span.left, span.y), &At(span.right, span.y) + 1, fill_);
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
