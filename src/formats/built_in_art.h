#pragma once
#include "formats/bmp_file.h"
#include "platform/saver_window.h"

namespace zv::formats {

// The glyph bitmap of an art box, built into the program so that it needs no file beside it:
// the shells that read no files of their own (X11, web) take their art from here.
Bitmap BuiltInArt(platform::Art art);

}  // namespace zv::formats
