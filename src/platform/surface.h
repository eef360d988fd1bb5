#pragma once
#include <cstdint>

#include "runtime/int16.h"

namespace zv::platform {

// A colour as the platform stores it: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
inline constexpr Colour kBlack = Rgb(0, 0, 0);

// A drawing surface (a device context): the art surfaces and the display block's
// persistent surface. Every surface of one shell is of that shell's kind.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual int16 Width() const = 0;
  virtual int16 Height() const = 0;
  virtual Colour Pixel(int16 x, int16 y) const = 0;
  // Source copy of a w x h block from `source` at (sx, sy) to (x, y); clipped to both surfaces.
  virtual void BitBlt(int16 x, int16 y, int16 w, int16 h, const Surface& source, int16 sx, int16 sy) = 0;
  // The brush of the border fills: the picture box's solid fill colour.
  virtual void SetFillColour(Colour colour) = 0;
  // Border flood fill from (x, y) with the fill colour, spreading 4-connected through every
  // pixel that is not `border`; nothing happens when the start pixel is `border` or outside.
  virtual void ExtFloodFill(int16 x, int16 y, Colour border) = 0;
};

}  // namespace zv::platform
