// What the lottery engine costs per timer tick, and what a whole simulated spin costs: the
// engine, the renderer and the main loop's passes on the headless shell.
#include <benchmark/benchmark.h>

#include "lottery/lottery_engine.h"
#include "shells/headless/headless_saver_window.h"
#include "support/no_saver_events.h"
#include "tools/sim/simulation.h"

namespace {

struct EngineRig {
  zv::testing::NoSaverEvents events;
  zv::headless::HeadlessSaverWindow window{events, {}};
  zv::Globals globals{zv::kTrue, 301, 0};
  zv::ClockSeededRandom random;
  zv::LotteryEngine engine{globals, random, window};
  EngineRig() {
    zv::int16 storeCursor = 0;
    engine.FillHitPatterns(storeCursor);
    engine.ReelPosLeft = 52;
    engine.ReelPosCentre = 4;
    engine.ReelPosRight = 52;
    engine.SetInitialLotteryState();
    window.Display().SetWidth(130);
    window.Display().SetHeight(68);
  }
};

// A new spin: the block's jump, the reseed and the outcome draw.
void BM_Timer1TickDrawingTheOutcome(benchmark::State& state) {
  EngineRig rig;
  for (auto _ : state) {
    rig.engine.SpinState = zv::Spin::NewSpin;
    rig.engine.Timer1_Timer();
  }
}
BENCHMARK(BM_Timer1TickDrawingTheOutcome);

// The free spin: all three reels step and the block is repainted.
void BM_Timer1TickInTheFreeSpin(benchmark::State& state) {
  EngineRig rig;
  rig.engine.SpinState = zv::Spin::FreeSpin;
  for (auto _ : state) rig.engine.Timer1_Timer();
}
BENCHMARK(BM_Timer1TickInTheFreeSpin);

void BM_Timer2Tick(benchmark::State& state) {
  EngineRig rig;
  for (auto _ : state) rig.engine.Timer2_Timer();
}
BENCHMARK(BM_Timer2Tick);

// A whole saver run of ten simulated minutes, painted; reported per spin.
void BM_SimulatedSpin(benchmark::State& state) {
  std::int64_t spins = 0;
  for (auto _ : state) {
    zv::sim::SimulationSettings settings;
    settings.seconds = 600;
    settings.seed = 7;
    settings.spec = static_cast<zv::int16>(state.range(0));
    settings.paintDisplay = true;
    zv::Spin previous = zv::Spin::NewSpin;
    zv::sim::RunSaver(settings, [&](auto&, const zv::LotteryEngine& engine) {
      if (engine.SpinState == zv::Spin::NewSpin && previous != zv::Spin::NewSpin) ++spins;
      previous = engine.SpinState;
    });
  }
  state.counters["spins"] = static_cast<double>(spins);
  state.SetItemsProcessed(spins);
}
BENCHMARK(BM_SimulatedSpin)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
