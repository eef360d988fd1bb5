// The losing-digit odometer: three wheels turned once per pass of the main loop, so their
// values at a draw depend on how fast the loop runs, not on the random numbers.
#include "lottery/lottery_engine.h"
#include "machine/layout_and_timing.h"

namespace zv {

void LotteryEngine::AdvanceMissCentre() {
  MissCodeCentre = MissCodeCentre >= kLastCentreCode ? int16{0} : Add(MissCodeCentre, 1);
}

void LotteryEngine::AdvanceMissOdometer() {
  if (MissCodeLeft < kLastOuterCode) {
    MissCodeLeft = Add(MissCodeLeft, 1);
    return;
  }
  MissCodeLeft = 0;
  if (MissCodeRight < kLastOuterCode) {
    MissCodeRight = Add(MissCodeRight, 1);
    return;
  }
  MissCodeRight = 0;
  AdvanceMissCentre();
}

// The wheels form one mixed-radix counter of 20 x 20 x 10 values, left the lowest digit:
// n single advances add n to it, modulo the 4000 values.
void LotteryEngine::AdvanceMissOdometerBy(std::int64_t passes) {
  constexpr std::int64_t kOuter = kLastOuterCode + 1;
  constexpr std::int64_t kValues = kOuter * kOuter * (kLastCentreCode + 1);
  const std::int64_t now = MissCodeLeft + kOuter * (MissCodeRight + kOuter * std::int64_t{MissCodeCentre});
  const std::int64_t next = (now + passes % kValues) % kValues;
  MissCodeLeft = static_cast<int16>(next % kOuter);
  MissCodeRight = static_cast<int16>(next / kOuter % kOuter);
  MissCodeCentre = static_cast<int16>(next / (kOuter * kOuter));
}

}  // namespace zv
