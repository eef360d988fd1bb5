#pragma once
#include "digits/segment_frames.h"
#include "machine/spin_state.h"
#include "platform/saver_window.h"
#include "runtime/int16.h"

namespace zv {

// What a pass reads of the lottery engine: the reel positions, the spin state, and the
// flash phases of the premonition and the celebration.
struct EngineView {
  Spin SpinState = Spin::NewSpin;
  int16 ReelPosLeft = 0;
  int16 ReelPosCentre = 0;
  int16 ReelPosRight = 0;
  int16 FlashPhase = 0;
  int16 BlinkOn = kFalse;
};

// Puts the three reels into the display block: copies the lit-8 glyph of a reel's colour
// into its cell and fills the unlit segments black. Redraws a reel only when its position
// differs from the one last drawn, apart from the flash overrides and the celebration's end.
class DigitRenderer {
 public:
  // `display` is the display block, whose solid fill is the brush of the border fills;
  // the three art boxes hold the red, green and orange art at their top-left corners.
  DigitRenderer(platform::PictureBox& display, platform::PictureBox& pattern1, platform::PictureBox& pattern2,
                platform::PictureBox& pattern3);

  // Draw SegmentFrames[position] into the 30 x 48 cell at (x, y) from the red, green or
  // orange art. A position of 80 or more raises Subscript out of range after the copy.
  void DrawDigitRed(byte position, int16 x, int16 y);
  void DrawDigitGreen(byte position, int16 x, int16 y);
  void DrawDigitOrange(byte position, int16 x, int16 y);

  // One pass of the main loop up to the refresh of the display block: the changed reels,
  // the flash overrides of the celebration and the premonition, then the refresh, when the
  // pass drew anything.
  void DrawPass(const EngineView& engine);
  // The premonition flashes while FlashPhase is above 4.
  static bool PremonitionFlashes(int16 flashPhase) { return flashPhase > 4; }
  // True when a pass over `after`, following one over `before`, changes no pixel: the reels
  // stand, and no flash or colour change of the celebration or the premonition begins.
  static bool DrawsAlike(const EngineView& before, const EngineView& after);

  // Positions last drawn; -1 forces a redraw.
  int16 ShownPosLeft = 0;
  int16 ShownPosCentre = 0;
  int16 ShownPosRight = 0;
  SegmentFrameTable SegmentFrames{};

 private:
  using DrawDigitOperation = void (DigitRenderer::*)(byte, int16, int16);
  void DrawDigit(platform::PictureBox& art, byte position, int16 x, int16 y);
  // Left and right reels: codes 10 to 19 (positions 40 and up) red, codes 0 to 9 green.
  void DrawOuterReel(int16 position, int16 x);
  // All three reels at their last-drawn positions, in one art.
  void DrawShownReels(DrawDigitOperation draw);

  platform::PictureBox& display_;
  platform::PictureBox& pattern1_;
  platform::PictureBox& pattern2_;
  platform::PictureBox& pattern3_;
  bool drewThisPass_ = false;
};

}  // namespace zv
