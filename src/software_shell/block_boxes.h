#pragma once
#include <functional>

#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "platform/software_picture_box.h"
#include "platform/software_surface.h"

namespace zv::software_shell {

// The saver window's picture boxes in a shell that draws with software surfaces: the display
// block, which shows itself through the run's layout at every refresh, and the three hidden art
// boxes, which take the glyph bitmaps built into the program.
class BlockBoxes {
 public:
  // Shows the block's pixels, at the layout's scale, at `shown`: a rectangle of the window.
  using Show = std::function<void(const platform::SoftwareSurface& pixels, const platform::Rect& shown)>;

  // The layout is read at every refresh: it may change while the run goes on.
  BlockBoxes(const platform::ScreenLayout& layout, Show show) : block_(layout, std::move(show)) {}

  platform::SoftwarePictureBox& Display() { return block_; }
  const platform::SoftwarePictureBox& Display() const { return block_; }
  platform::PictureBox& Pattern(platform::Art art) { return art_[static_cast<int>(art) - 1]; }
  void LoadPicture(platform::Art art);

 private:
  struct BlockBox : platform::SoftwarePictureBox {
    BlockBox(const platform::ScreenLayout& layout, Show show) : layout(layout), show(std::move(show)) {}
    void Refresh() override;
    const platform::ScreenLayout& layout;
    Show show;
    // The block at the layout's scale, when that is not 1.
    platform::SoftwareSurface scaled{0, 0};
  };
  // Hidden: a refresh shows nothing.
  struct ArtBox : platform::SoftwarePictureBox {
    void Refresh() override {}
  };

  BlockBox block_;
  ArtBox art_[3];
};

}  // namespace zv::software_shell
