#pragma once
#include "runtime/int16.h"

namespace zv {

// The lottery engine of a saver run: the spin state machine's variables, the outcome draw
// and the sequences. The renderer reads its public state; the engine never draws.
class LotteryEngine {
 public:
  int16 SpinState = 0;
  int16 ReelPosLeft = 0;
  int16 ReelPosCentre = 0;
  int16 ReelPosRight = 0;
  int16 FlashPhase = 0;
  int16 BlinkOn = kFalse;
};

}  // namespace zv
