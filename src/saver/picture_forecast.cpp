#include "saver/picture_forecast.h"

namespace zv {

EngineView ViewOf(const LotteryEngine& engine) {
  return {.SpinState = engine.SpinState,
          .ReelPosLeft = engine.ReelPosLeft,
          .ReelPosCentre = engine.ReelPosCentre,
          .ReelPosRight = engine.ReelPosRight,
          .FlashPhase = engine.FlashPhase,
          .BlinkOn = engine.BlinkOn};
}

bool EngineForecast::Changes(platform::Timer timer) {
  if (timer == platform::Timer::Timer2) {
    engine_.Timer2_Timer();
  } else if (engine_.SpinState == Spin::NewSpin || engine_.SpinState == Spin::FreeSpin) {
    return true;
  } else {
    engine_.Timer1_Timer();
  }
  const EngineView next = ViewOf(engine_);
  if (DigitRenderer::DrawsAlike(drawn_, next)) {
    drawn_ = next;
    return false;
  }
  return true;
}

}  // namespace zv
