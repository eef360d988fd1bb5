#include "shells/win32/gdi_surface.h"

#include <algorithm>

namespace zv::win32 {
namespace {

HBITMAP CreateDib(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = std::max(width, 1);
  info.bmiHeader.biHeight = -std::max(height, 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bits) ZeroMemory(bits, static_cast<std::size_t>(std::max(width, 1)) * std::max(height, 1) * 4);
  return bitmap;
}

}  // namespace

GdiSurface::GdiSurface(int16 width, int16 height) : dc_(CreateCompatibleDC(nullptr)) {
  brush_ = CreateSolidBrush(RGB(0, 0, 0));
  originalBrush_ = SelectObject(dc_, brush_);
  Allocate(width, height);
}

GdiSurface::~GdiSurface() {
  SelectObject(dc_, originalBitmap_);
  SelectObject(dc_, originalBrush_);
  DeleteObject(bitmap_);
  DeleteObject(brush_);
  DeleteDC(dc_);
}

void GdiSurface::Allocate(int16 width, int16 height) {
  HBITMAP bitmap = CreateDib(width, height);
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (!originalBitmap_) originalBitmap_ = previous;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = bitmap;
  width_ = width;
  height_ = height;
}

platform::Colour GdiSurface::Pixel(int16 x, int16 y) const { return GetPixel(dc_, x, y); }

void GdiSurface::BitBlt(int16 x, int16 y, int16 w, int16 h, const platform::Surface& source, int16 sx, int16 sy) {
  ::BitBlt(dc_, x, y, w, h, static_cast<const GdiSurface&>(source).dc_, sx, sy, SRCCOPY);
}

void GdiSurface::SetFillColour(platform::Colour colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  SelectObject(dc_, brush);
  DeleteObject(brush_);
  brush_ = brush;
}

void GdiSurface::ExtFloodFill(int16 x, int16 y, platform::Colour border) {
  ::ExtFloodFill(dc_, x, y, border, FLOODFILLBORDER);
}

void GdiSurface::Resize(int16 width, int16 height) {
  HDC old = CreateCompatibleDC(nullptr);
  HBITMAP oldBitmap = CreateDib(width_, height_);
  HGDIOBJ previous = SelectObject(old, oldBitmap);
  ::BitBlt(old, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
  const int16 keepW = std::min(width, width_), keepH = std::min(height, height_);
  Allocate(width, height);
  ::BitBlt(dc_, 0, 0, keepW, keepH, old, 0, 0, SRCCOPY);
  SelectObject(old, previous);
  DeleteObject(oldBitmap);
  DeleteDC(old);
}

void GdiSurface::Assign(HBITMAP picture) {
  BITMAP info{};
  GetObject(picture, sizeof info, &info);
  Allocate(static_cast<int16>(info.bmWidth), static_cast<int16>(info.bmHeight));
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(source, picture);
  ::BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace zv::win32
