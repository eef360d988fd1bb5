// What the lottery engine costs per timer tick, and what a whole simulated spin costs: the
// engine, the renderer and the main loop's passes on the headless shell.
#include <benchmark/benchmark.h>

#include "testing/engine_rig.h"
#include "testing/saver_run.h"

namespace {

// The engine as the saver's load leaves it, drawing from the clock-seeded source.
struct EngineBench {
  zv::ClockSeededRandom random;
  zv::testing::EngineRig rig{random};
  zv::LotteryEngine& engine = rig.engine;
  EngineBench() { engine.SetInitialLotteryState(); }
};

// A new spin: the block's jump, the reseed and the outcome draw.
void BM_Timer1TickDrawingTheOutcome(benchmark::State& state) {
  EngineBench rig;
  for (auto _ : state) {
    rig.engine.SpinState = zv::Spin::NewSpin;
    rig.engine.Timer1_Timer();
  }
}
BENCHMARK(BM_Timer1TickDrawingTheOutcome);

// The free spin: all three reels step and the block is repainted.
void BM_Timer1TickInTheFreeSpin(benchmark::State& state) {
  EngineBench rig;
  rig.engine.SpinState = zv::Spin::FreeSpin;
  for (auto _ : state) rig.engine.Timer1_Timer();
}
BENCHMARK(BM_Timer1TickInTheFreeSpin);

void BM_Timer2Tick(benchmark::State& state) {
  EngineBench rig;
  for (auto _ : state) rig.engine.Timer2_Timer();
}
BENCHMARK(BM_Timer2Tick);

// A whole saver run of ten simulated minutes, painted; reported per spin.
void BM_SimulatedSpin(benchmark::State& state) {
  std::int64_t spins = 0;
  for (auto _ : state) {
    zv::testing::SimulationSettings settings;
    settings.seconds = 600;
    settings.seed = 7;
    settings.spec = static_cast<zv::int16>(state.range(0));
    settings.paintDisplay = true;
    zv::Spin previous = zv::Spin::NewSpin;
    zv::testing::RunSaver(settings, [&](auto&, const zv::LotteryEngine& engine) {
      if (engine.SpinState == zv::Spin::NewSpin && previous != zv::Spin::NewSpin) ++spins;
      previous = engine.SpinState;
    });
  }
  state.counters["spins"] = static_cast<double>(spins);
  state.SetItemsProcessed(spins);
}
BENCHMARK(BM_SimulatedSpin)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
