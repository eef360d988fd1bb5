#include "software_shell/block_boxes.h"

#include "formats/built_in_art.h"

namespace zv::software_shell {

// A refresh that changes no pixel on the screen sends nothing.
void BlockBoxes::BlockBox::Refresh() {
  if (!TakeChange()) return;
  const platform::Rect shown = layout.ToWindow({Left(), Top(), Width(), Height()});
  show(PixelsAt(shown.width, shown.height, scaled), shown);
}

void BlockBoxes::LoadPicture(platform::Art art) { formats::LoadBuiltInArt(art, art_[static_cast<int>(art) - 1]); }

}  // namespace zv::software_shell
