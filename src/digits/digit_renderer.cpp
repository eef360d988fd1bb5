#include "digits/digit_renderer.h"

#include <span>

#include "digits/glyph.h"
#include "runtime/table_fill.h"

namespace zv {
namespace {

// The reels' cells in the display block, 10 pixels apart.
constexpr int16 kCellTop = 10;
constexpr int16 kLeftCell = 10;
constexpr int16 kCentreCell = 50;
constexpr int16 kRightCell = 90;

// First position of the codes 10 to 19, drawn red on the outer reels.
constexpr int16 kFirstRedPosition = 40;

}  // namespace

DigitRenderer::DigitRenderer(platform::PictureBox& display, platform::PictureBox& pattern1,
                             platform::PictureBox& pattern2, platform::PictureBox& pattern3)
    : display_(display), pattern1_(pattern1), pattern2_(pattern2), pattern3_(pattern3) {}

void DigitRenderer::DrawDigitRed(byte position, int16 x, int16 y) { DrawDigit(pattern1_, position, x, y); }
void DigitRenderer::DrawDigitGreen(byte position, int16 x, int16 y) { DrawDigit(pattern2_, position, x, y); }
void DigitRenderer::DrawDigitOrange(byte position, int16 x, int16 y) { DrawDigit(pattern3_, position, x, y); }

void DigitRenderer::DrawDigit(platform::PictureBox& art, byte position, int16 x, int16 y) {
  drewThisPass_ = true;
  display_.Dc().BitBlt(x, y, kCellWidth, kCellHeight, art.Dc(), 0, 0);
  // The lookup comes after the copy: a bad position leaves the cell showing the full 8.
  const byte pattern = At(std::span<const byte>(SegmentFrames), position);
  for (int segment = 0; segment < kSegmentCount; ++segment) {
    if (pattern & (1 << segment)) continue;
    const SeedPoint seed = kSeedPoints[static_cast<std::size_t>(segment)];
    // The fill spreads from the seed until it meets black, the colour of the art's frame
    // and separators, so it covers exactly the one segment.
    display_.Dc().ExtFloodFill(Add(x, seed.column), Add(y, seed.row), platform::kBlack);
  }
}

void DigitRenderer::DrawOuterReel(int16 position, int16 x) {
  if (position >= kFirstRedPosition) DrawDigitRed(CByte(position), x, kCellTop);
  else DrawDigitGreen(CByte(position), x, kCellTop);
}

void DigitRenderer::DrawShownReels(DrawDigitOperation draw) {
  (this->*draw)(CByte(ShownPosLeft), kLeftCell, kCellTop);
  (this->*draw)(CByte(ShownPosCentre), kCentreCell, kCellTop);
  (this->*draw)(CByte(ShownPosRight), kRightCell, kCellTop);
}

void DigitRenderer::DrawPass(const EngineView& engine) {
  drewThisPass_ = false;
  // The celebration's end: every pass in it redraws all reels in their own colours.
  if (engine.SpinState == Spin::CelebrationEnd) {
    ShownPosLeft = -1;
    ShownPosCentre = -1;
    ShownPosRight = -1;
  }

  if (engine.ReelPosLeft != ShownPosLeft) {
    ShownPosLeft = engine.ReelPosLeft;
    DrawOuterReel(ShownPosLeft, kLeftCell);
  }
  if (engine.ReelPosCentre != ShownPosCentre) {
    ShownPosCentre = engine.ReelPosCentre;
    DrawDigitRed(CByte(ShownPosCentre), kCentreCell, kCellTop);
  }
  if (engine.ReelPosRight != ShownPosRight) {
    ShownPosRight = engine.ReelPosRight;
    DrawOuterReel(ShownPosRight, kRightCell);
  }

  // The flash overrides act on every pass while their condition holds; they never restore
  // the regular colours, which come back at a reel's next regular redraw.
  if (engine.SpinState == Spin::Celebration && engine.BlinkOn == kTrue) {
    DrawShownReels(&DigitRenderer::DrawDigitOrange);
  } else if (engine.SpinState == Spin::Celebration && engine.BlinkOn == kFalse) {
    DrawShownReels(&DigitRenderer::DrawDigitRed);
  } else if (engine.SpinState == Spin::Premonition && PremonitionFlashes(engine.FlashPhase)) {
    DrawShownReels(&DigitRenderer::DrawDigitOrange);
  }

  // The screen already shows what an unchanged surface holds, and a repaint of the window
  // (an exposure) shows the block whole: only a pass that drew refreshes it.
  if (drewThisPass_) display_.Refresh();
}

bool DigitRenderer::DrawsAlike(const EngineView& before, const EngineView& after) {
  if (after.ReelPosLeft != before.ReelPosLeft || after.ReelPosCentre != before.ReelPosCentre ||
      after.ReelPosRight != before.ReelPosRight)
    return false;
  switch (after.SpinState) {
    case Spin::Celebration:
      return before.SpinState == Spin::Celebration && before.BlinkOn == after.BlinkOn;
    case Spin::CelebrationEnd:
      return before.SpinState == Spin::CelebrationEnd;
    case Spin::Premonition:  // the flash's end restores nothing: only its start shows
      return !PremonitionFlashes(after.FlashPhase) ||
             (before.SpinState == Spin::Premonition && PremonitionFlashes(before.FlashPhase));
    default:
      return true;
  }
}

}  // namespace zv
