#pragma once
#include <cstdint>
#include <vector>

#include "platform/saver_window.h"

namespace zv::display_mode {

// The glyph bitmap of an art box as its file's bytes, built into the program so that it needs
// no file beside it.
std::vector<std::uint8_t> BuiltInArt(platform::Art art);

}  // namespace zv::display_mode
