#pragma once
#include <filesystem>

namespace zv::tools {

// Writes red.bmp, green.bmp, orange.bmp (the glyph of glyph.txt in each art's lit colour)
// and zorvalite.ico (icon.txt) from the art texts in `artDir` into `outDir`.
void WriteArtFiles(const std::filesystem::path& artDir, const std::filesystem::path& outDir);

}  // namespace zv::tools
