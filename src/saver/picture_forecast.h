#pragma once
#include "digits/digit_renderer.h"
#include "lottery/lottery_engine.h"
#include "platform/saver_window.h"

namespace zv {

// What a pass draws from the engine's state.
EngineView ViewOf(const LotteryEngine& engine);

// The coming ticks run on a copy of the lottery engine, against the picture the last pass
// drew. A Timer1 tick that moves the block, draws the outcome or repaints (a new spin, the
// free spin) is never run on the copy: it would act on the run's window and random numbers,
// and it changes the picture anyway.
class EngineForecast : public platform::PictureForecast {
 public:
  explicit EngineForecast(const LotteryEngine& engine) : engine_(engine), drawn_(ViewOf(engine)) {}
  bool Changes(platform::Timer timer) override;

 private:
  LotteryEngine engine_;
  EngineView drawn_;
};

}  // namespace zv
