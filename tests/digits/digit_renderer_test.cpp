// The digit renderer on software surfaces: every position of every art pixel for pixel,
// the colour rules of the reels, the last-drawn cache, the celebration's end and the flash overrides.
#include <gtest/gtest.h>

#include <bit>

#include "display_reference.h"
#include "testing/renderer_rig.h"

namespace zv {
namespace {

using testing::ExpectedDisplay;
using testing::kGreen;
using testing::kOrange;
using testing::kRed;
using testing::RendererRig;

std::string Describe(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

#define EXPECT_DISPLAY(rig, expected, name)                                       \
  do {                                                                            \
    const auto mismatches = (expected).Compare((rig).shown, (name));              \
    EXPECT_TRUE(mismatches.empty()) << (name) << ":" << Describe(mismatches);     \
  } while (0)

const int16 kCells[] = {10, 50, 90};

TEST(DrawDigit, EveryPositionOfEveryArtPixelForPixel) {
  struct Art {
    const char* name;
    void (DigitRenderer::*draw)(byte, int16, int16);
    platform::Colour colour;
  };
  const Art arts[] = {{"red", &DigitRenderer::DrawDigitRed, kRed},
                      {"green", &DigitRenderer::DrawDigitGreen, kGreen},
                      {"orange", &DigitRenderer::DrawDigitOrange, kOrange}};
  for (const Art& art : arts) {
    RendererRig rig;
    ExpectedDisplay expected;
    for (int p = 0; p < 80; ++p) {
      // Each position goes to each cell in turn, over whatever the cell showed before.
      const int16 x = kCells[p % 3];
      rig.ResetCounts();
      (rig.renderer.*art.draw)(static_cast<byte>(p), x, 10);
      expected.DrawPosition(x, 10, p, art.colour);
      const std::string name = std::string(art.name) + "-position-" + std::to_string(p);
      const auto mismatches = expected.Compare(rig.shown, name);
      // The first wrong position of an art says enough; the rest would repeat it.
      ASSERT_TRUE(mismatches.empty()) << name << ":" << Describe(mismatches);
      const int lit = std::popcount(static_cast<unsigned>(testing::SegmentMask(testing::ScrollFrameSegments(p))));
      EXPECT_EQ(rig.shown.copies, 1);
      EXPECT_EQ(rig.shown.fills, 7 - lit) << "one fill per unlit segment, position " << p;
      EXPECT_EQ(rig.Refreshes(), 0) << "drawing a digit does not present the block";
    }
  }
}

TEST(DrawDigit, APositionPastTheTableFailsAfterTheFullEightIsCopied) {
  for (int position : {80, 255}) {
    RendererRig rig;
    try {
      rig.renderer.DrawDigitGreen(static_cast<byte>(position), 50, 10);
      FAIL() << "no error for position " << position;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), ErrorNumber::SubscriptOutOfRange);
    }
    ExpectedDisplay expected;
    expected.DrawCell(50, 10, "abcdefg", kGreen);
    EXPECT_DISPLAY(rig, expected, "position-" + std::to_string(position));
    EXPECT_EQ(rig.shown.fills, 0);
  }
}

TEST(DrawDigit, SeedCoordinatesOverflowSixteenBits) {
  RendererRig rig;
  // Position 0 leaves g unlit, whose seed is 15 columns in: 32753 + 15 passes 32767.
  try {
    rig.renderer.DrawDigitRed(0, 32753, 10);
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
  }
}

// A pass's view of the lottery engine.
EngineView Engine(int16 left, int16 centre, int16 right, Spin state = Spin::NewSpin) {
  EngineView engine;
  engine.ReelPosLeft = left;
  engine.ReelPosCentre = centre;
  engine.ReelPosRight = right;
  engine.SpinState = state;
  return engine;
}

TEST(DrawPass, FirstPassAfterLoadShowsRedThreeRedOneRedThree) {
  RendererRig rig;
  rig.renderer.DrawPass(Engine(52, 4, 52));
  ExpectedDisplay expected;
  expected.DrawCell(10, 10, "abcdg", kRed);
  expected.DrawCell(50, 10, "bc", kRed);
  expected.DrawCell(90, 10, "abcdg", kRed);
  EXPECT_DISPLAY(rig, expected, "first-pass");
  EXPECT_EQ(rig.shown.copies, 3);
  EXPECT_EQ(rig.shown.fills, 2 + 5 + 2);
  EXPECT_EQ(rig.Refreshes(), 1);
  EXPECT_EQ(rig.renderer.ShownPosLeft, 52);
  EXPECT_EQ(rig.renderer.ShownPosCentre, 4);
  EXPECT_EQ(rig.renderer.ShownPosRight, 52);
}

TEST(DrawPass, OuterReelsAreGreenForCodesZeroToNineAndRedAbove) {
  struct Case {
    int16 position;
    platform::Colour colour;
  };
  // At rest on codes 0, 9, 10; the scroll frames of 9 rolling to 0 and of 0 rolling to 1.
  const Case cases[] = {{0, kGreen},  {36, kGreen}, {37, kGreen}, {38, kGreen}, {39, kGreen},
                        {40, kRed},   {41, kRed},   {42, kRed},   {43, kRed},   {79, kRed}};
  for (const Case& c : cases) {
    RendererRig rig;
    rig.renderer.ShownPosLeft = rig.renderer.ShownPosCentre = rig.renderer.ShownPosRight = -1;
    rig.renderer.DrawPass(Engine(c.position, 0, c.position));
    ExpectedDisplay expected;
    expected.DrawPosition(10, 10, c.position, c.colour);
    expected.DrawPosition(50, 10, 0, kRed);
    expected.DrawPosition(90, 10, c.position, c.colour);
    EXPECT_DISPLAY(rig, expected, "outer-position-" + std::to_string(c.position));
  }
}

TEST(DrawPass, CentreReelIsRedAtEveryPosition) {
  RendererRig rig;
  ExpectedDisplay expected;
  rig.renderer.DrawPass(Engine(1, 39, 1));
  expected.DrawPosition(10, 10, 1, kGreen);
  expected.DrawPosition(90, 10, 1, kGreen);
  for (int16 p = 0; p < 40; ++p) {
    rig.renderer.DrawPass(Engine(1, p, 1));
    expected.DrawPosition(50, 10, p, kRed);
    EXPECT_DISPLAY(rig, expected, "centre-position-" + std::to_string(p));
  }
}

// A pass that draws nothing leaves the screen as it is: no refresh.
TEST(DrawPass, OnlyChangedReelsAreDrawnAndOnlyAPassThatDrewRefreshes) {
  RendererRig rig;
  rig.renderer.DrawPass(Engine(52, 4, 52));
  rig.ResetCounts();
  rig.renderer.DrawPass(Engine(52, 4, 52));
  EXPECT_EQ(rig.shown.copies, 0);
  EXPECT_EQ(rig.shown.fills, 0);
  EXPECT_EQ(rig.Refreshes(), 0);

  // One reel moves: only its cell is drawn, the others stay as they were.
  rig.renderer.DrawPass(Engine(52, 5, 52));
  EXPECT_EQ(rig.shown.copies, 1);
  EXPECT_EQ(rig.Refreshes(), 1);
  ExpectedDisplay expected;
  expected.DrawPosition(10, 10, 52, kRed);
  expected.DrawPosition(50, 10, 5, kRed);
  expected.DrawPosition(90, 10, 52, kRed);
  EXPECT_DISPLAY(rig, expected, "centre-moved");
}

TEST(DrawPass, MinusOneForcesARedraw) {
  RendererRig rig;
  rig.renderer.DrawPass(Engine(52, 4, 52));
  rig.ResetCounts();
  rig.renderer.ShownPosRight = -1;
  rig.renderer.DrawPass(Engine(52, 4, 52));
  EXPECT_EQ(rig.shown.copies, 1);
  EXPECT_EQ(rig.renderer.ShownPosRight, 52);
}

TEST(DrawPass, CelebrationEndRedrawsAllReelsEveryPassInTheirOwnColours) {
  RendererRig rig;
  EngineView engine = Engine(28, 28, 28, Spin::Celebration);
  engine.BlinkOn = kTrue;
  rig.renderer.DrawPass(engine);  // the celebration leaves all three orange

  engine.SpinState = Spin::CelebrationEnd;
  ExpectedDisplay expected;
  expected.DrawPosition(10, 10, 28, kGreen);
  expected.DrawPosition(50, 10, 28, kRed);
  expected.DrawPosition(90, 10, 28, kGreen);
  for (int pass = 0; pass < 3; ++pass) {
    rig.ResetCounts();
    rig.renderer.DrawPass(engine);
    EXPECT_EQ(rig.shown.copies, 3) << "pass " << pass;
    EXPECT_EQ(rig.Refreshes(), 1);
    EXPECT_DISPLAY(rig, expected, "celebration-end-pass-" + std::to_string(pass));
  }
  EXPECT_EQ(rig.renderer.ShownPosLeft, 28);
}

TEST(DrawPass, CelebrationFlashesOrangeAndRedOnEveryPass) {
  RendererRig rig;
  EngineView engine = Engine(12, 12, 12, Spin::Celebration);
  rig.renderer.DrawPass(Engine(12, 12, 12));
  for (int16 blink : {kTrue, kFalse, kTrue}) {
    engine.BlinkOn = blink;
    const platform::Colour colour = blink == kTrue ? kOrange : kRed;
    rig.ResetCounts();
    rig.renderer.DrawPass(engine);
    EXPECT_EQ(rig.shown.copies, 3) << "unchanged reels are redrawn";
    ExpectedDisplay expected;
    // Red while BlinkOn is false, the outer reels on code 3 included.
    for (int16 x : kCells) expected.DrawPosition(x, 10, 12, colour);
    EXPECT_DISPLAY(rig, expected, std::string("celebration-") + (blink == kTrue ? "orange" : "red"));
  }
}

TEST(DrawPass, OverridesUseTheLastDrawnPositionsAfterTheRegularDraw) {
  RendererRig rig;
  rig.renderer.DrawPass(Engine(0, 0, 0));  // shown 0 already: nothing drawn
  EngineView engine = Engine(44, 8, 0, Spin::Celebration);
  engine.BlinkOn = kTrue;
  rig.ResetCounts();
  rig.renderer.DrawPass(engine);
  EXPECT_EQ(rig.shown.copies, 2 + 3);
  ExpectedDisplay expected;
  expected.DrawPosition(10, 10, 44, kOrange);
  expected.DrawPosition(50, 10, 8, kOrange);
  expected.DrawPosition(90, 10, 0, kOrange);
  EXPECT_DISPLAY(rig, expected, "override-after-draw");
}

TEST(DrawPass, PremonitionFlashesOrangeOnlyAboveFlashPhaseFour) {
  RendererRig rig;
  rig.renderer.DrawPass(Engine(8, 20, 60));
  EngineView engine = Engine(8, 20, 60, Spin::Premonition);

  engine.FlashPhase = 4;
  rig.ResetCounts();
  rig.renderer.DrawPass(engine);
  EXPECT_EQ(rig.shown.copies, 0);
  EXPECT_EQ(rig.Refreshes(), 0);

  ExpectedDisplay orange;
  for (int16 x : kCells) orange.DrawPosition(x, 10, x == 10 ? 8 : x == 50 ? 20 : 60, kOrange);
  for (int16 phase : {5, 10}) {
    engine.FlashPhase = phase;
    rig.ResetCounts();
    rig.renderer.DrawPass(engine);
    EXPECT_EQ(rig.shown.copies, 3);
    EXPECT_DISPLAY(rig, orange, "premonition-phase-" + std::to_string(phase));
  }

  // The flash is not undone when it stops: a reel gets its colour back when it moves.
  engine.FlashPhase = 0;
  engine.ReelPosLeft = 9;
  rig.renderer.DrawPass(engine);
  ExpectedDisplay after = orange;
  after.DrawPosition(10, 10, 9, kGreen);
  EXPECT_DISPLAY(rig, after, "premonition-over");
}

TEST(DrawPass, OtherStatesDrawNoOverride) {
  for (int16 state : {0, 14, 17, 39, 41}) {
    RendererRig rig;
    rig.renderer.DrawPass(Engine(8, 20, 60));
    EngineView engine = Engine(8, 20, 60, static_cast<Spin>(state));
    engine.BlinkOn = kTrue;
    engine.FlashPhase = 10;
    rig.ResetCounts();
    rig.renderer.DrawPass(engine);
    EXPECT_EQ(rig.shown.copies, 0) << "state " << state;
  }
}

TEST(DrawPass, APositionOutsideAByteOverflowsBeforeAnythingIsCopied) {
  for (int16 position : {-2, 256}) {
    RendererRig rig;
    try {
      rig.renderer.DrawPass(Engine(position, 4, 52));
      FAIL() << "no error for " << position;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(rig.shown.copies, 0);
  }
}

}  // namespace
}  // namespace zv
