#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace zv::formats {

// Pixel art kept as text: one line per row, one character per pixel, top row first.
// Lines starting with '#' are comments.
struct ArtText {
  std::vector<std::string> rows;
  int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
  int Height() const { return static_cast<int>(rows.size()); }
  char At(int x, int y) const { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]; }
};

// Throws std::runtime_error when the rows differ in length or use a character outside `alphabet`.
ArtText ParseArtText(const std::string& text, const std::string& alphabet);
ArtText ReadArtText(const std::filesystem::path& path, const std::string& alphabet);

}  // namespace zv::formats
