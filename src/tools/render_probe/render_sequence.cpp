#include "tools/render_probe/render_sequence.h"

namespace zv::tools {

std::vector<std::uint8_t> RenderEveryPosition(DigitRenderer& renderer, platform::Surface& display) {
  using Draw = void (DigitRenderer::*)(byte, int16, int16);
  const Draw arts[] = {&DigitRenderer::DrawDigitRed, &DigitRenderer::DrawDigitGreen, &DigitRenderer::DrawDigitOrange};
  const int16 cells[] = {10, 50, 90};
  std::vector<std::uint8_t> pixels;
  for (Draw draw : arts)
    for (int position = 0; position < 80; ++position) {
      (renderer.*draw)(static_cast<byte>(position), cells[position % 3], 10);
      for (int16 y = 0; y < display.Height(); ++y)
        for (int16 x = 0; x < display.Width(); ++x) {
          const platform::Colour c = display.Pixel(x, y);
          pixels.push_back(static_cast<std::uint8_t>(c));
          pixels.push_back(static_cast<std::uint8_t>(c >> 8));
          pixels.push_back(static_cast<std::uint8_t>(c >> 16));
        }
    }
  return pixels;
}

}  // namespace zv::tools
