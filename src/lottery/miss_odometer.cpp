// The losing-digit odometer: three wheels turned once per pass of the main loop, so their
// values at a draw depend on how fast the loop runs, not on the random numbers.
#include "lottery/lottery_engine.h"

namespace zv {

void LotteryEngine::AdvanceMissCentre() {
  MissCodeCentre = MissCodeCentre >= 9 ? int16{0} : Add(MissCodeCentre, 1);
}

void LotteryEngine::AdvanceMissOdometer() {
  if (MissCodeLeft < 19) {
    MissCodeLeft = Add(MissCodeLeft, 1);
    return;
  }
  MissCodeLeft = 0;
  if (MissCodeRight < 19) {
    MissCodeRight = Add(MissCodeRight, 1);
    return;
  }
  MissCodeRight = 0;
  AdvanceMissCentre();
}

// The wheels form one mixed-radix counter of 20 x 20 x 10 values, left the lowest digit:
// n single advances add n to it, modulo the 4000 values.
void LotteryEngine::AdvanceMissOdometerBy(std::int64_t passes) {
  constexpr std::int64_t kValues = 20 * 20 * 10;
  const std::int64_t now = MissCodeLeft + 20 * (MissCodeRight + 20 * std::int64_t{MissCodeCentre});
  const std::int64_t next = (now + passes % kValues) % kValues;
  MissCodeLeft = static_cast<int16>(next % 20);
  MissCodeRight = static_cast<int16>(next / 20 % 20);
  MissCodeCentre = static_cast<int16>(next / 400);
}

}  // namespace zv
