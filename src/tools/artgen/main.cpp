// artgen ART_DIR OUT_DIR: writes the glyph bitmaps and the program icon from their art texts.
#include <exception>
#include <iostream>

#include "tools/artgen/art_files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: artgen ART_DIR OUT_DIR\n";
    return 2;
  }
  try {
    zv::tools::WriteArtFiles(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "artgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
