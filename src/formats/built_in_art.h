#pragma once
#include "formats/bmp_file.h"
#include "platform/saver_window.h"
#include "platform/software_picture_box.h"

namespace zv::formats {

// The glyph bitmap of an art box, built into the program so that it needs no file beside it:
// the shells that read no files of their own (X11, web) take their art from here.
Bitmap BuiltInArt(platform::Art art);
// The art box takes its built-in glyph bitmap (the saver window's LoadPicture).
void LoadBuiltInArt(platform::Art art, platform::SoftwarePictureBox& box);

}  // namespace zv::formats
