#pragma once
#include "runtime/int16.h"

namespace zv {

// The process-wide flags and settings (16-bit; booleans are -1 and 0).
struct Globals {
  int16 SaverMode = kFalse;      // the program runs as the screen saver
  int16 ProbDenominator = 0;     // jackpot probability denominator, from the Level setting
  int16 SpecClass = 0;           // 0 high spec (75 ms tick), otherwise low spec (10 ms tick)
};

}  // namespace zv
