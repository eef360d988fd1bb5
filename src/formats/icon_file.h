#pragma once
#include <cstdint>
#include <vector>

#include "formats/art_text.h"

namespace zv::formats {

// A one-image icon file: 4 bits per pixel with the standard 16-colour palette, and an AND
// mask that makes the '.' pixels transparent. 'k' is black, 'R' red, 'G' green.
std::vector<std::uint8_t> EncodeIcon16(const ArtText& art);

}  // namespace zv::formats
