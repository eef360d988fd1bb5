#pragma once
#include <cstdint>
#include <vector>

#include "digits/digit_renderer.h"

namespace zv::tools {

// Draws every position 0-79 of the red, green and orange art in turn, each into the next
// of the three reel cells, and after every draw appends the whole display block's pixels
// (R, G, B per pixel, rows top first). Two shells that copy and fill alike give equal bytes.
std::vector<std::uint8_t> RenderEveryPosition(DigitRenderer& renderer, platform::Surface& display);

}  // namespace zv::tools
