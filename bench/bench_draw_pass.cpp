// What one pass of the main loop costs the renderer, on the software surfaces: a pass with
// nothing to draw (most passes), a pass that redraws one reel, a pass at the celebration's
// end that redraws all three, and a celebration pass whose flash override redraws all three in orange.
#include <benchmark/benchmark.h>

#include "machine/layout_and_timing.h"
#include "testing/renderer_rig.h"

namespace {

zv::EngineView AtRest() {
  zv::EngineView engine;
  engine.ReelPosLeft = zv::kStartPosLeft;
  engine.ReelPosCentre = zv::kStartPosCentre;
  engine.ReelPosRight = zv::kStartPosRight;
  return engine;
}

void BM_PassDrawingNothing(benchmark::State& state) {
  zv::testing::RendererRig rig;
  const zv::EngineView engine = AtRest();
  rig.renderer.DrawPass(engine);
  for (auto _ : state) rig.renderer.DrawPass(engine);
}
BENCHMARK(BM_PassDrawingNothing);

// The centre reel on the red 1: one copy and five fills.
void BM_PassRedrawingOneReel(benchmark::State& state) {
  zv::testing::RendererRig rig;
  const zv::EngineView engine = AtRest();
  rig.renderer.DrawPass(engine);
  for (auto _ : state) {
    rig.renderer.ShownPosCentre = -1;
    rig.renderer.DrawPass(engine);
  }
}
BENCHMARK(BM_PassRedrawingOneReel);

// The celebration's end: every reel redrawn in its own colour on every pass.
void BM_PassRedrawingThreeReels(benchmark::State& state) {
  zv::testing::RendererRig rig;
  zv::EngineView engine = AtRest();
  engine.SpinState = zv::Spin::CelebrationEnd;
  for (auto _ : state) rig.renderer.DrawPass(engine);
}
BENCHMARK(BM_PassRedrawingThreeReels);

// The celebration with BlinkOn: all three reels redrawn orange on every pass.
void BM_PassWithThreeReelOverride(benchmark::State& state) {
  zv::testing::RendererRig rig;
  zv::EngineView engine = AtRest();
  rig.renderer.DrawPass(engine);
  engine.SpinState = zv::Spin::Celebration;
  engine.BlinkOn = zv::kTrue;
  for (auto _ : state) rig.renderer.DrawPass(engine);
}
BENCHMARK(BM_PassWithThreeReelOverride);

}  // namespace
