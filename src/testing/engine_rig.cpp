#include "testing/engine_rig.h"

#include "machine/layout_and_timing.h"

namespace zv::testing {

EngineRig::EngineRig(RandomSource& random, headless::SaverWindowOptions options)
    : window(events, std::move(options)), engine(globals, random, window) {
  window.Display().SetWidth(kDisplayWidth);
  window.Display().SetHeight(kDisplayHeight);
  int16 storeCursor = 0;
  engine.FillHitPatterns(storeCursor);
  engine.PlaceStartingReels();
}

}  // namespace zv::testing
