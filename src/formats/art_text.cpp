#include "formats/art_text.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zv::formats {

ArtText ParseArtText(const std::string& text, const std::string& alphabet) {
  ArtText art;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    if (line.find_first_not_of(alphabet) != std::string::npos)
      throw std::runtime_error("art row " + std::to_string(art.rows.size()) + " uses a character outside \"" +
                               alphabet + "\"");
    if (!art.rows.empty() && line.size() != art.rows.front().size())
      throw std::runtime_error("art row " + std::to_string(art.rows.size()) + " is " + std::to_string(line.size()) +
                               " wide, not " + std::to_string(art.rows.front().size()));
    art.rows.push_back(line);
  }
  return art;
}

ArtText ReadArtText(const std::filesystem::path& path, const std::string& alphabet) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  std::stringstream text;
  text << file.rdbuf();
  return ParseArtText(text.str(), alphabet);
}

}  // namespace zv::formats
