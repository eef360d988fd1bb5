#pragma once
// The fixed numbers of the machine: where things are on the screen, how the reels are laid
// out, and how fast the timers tick.
#include "runtime/int16.h"

namespace zv {

// The display block: its size, and its place until the first spin moves it.
inline constexpr int16 kDisplayWidth = 130;
inline constexpr int16 kDisplayHeight = 68;
inline constexpr int16 kDisplayStartLeft = 10;
inline constexpr int16 kDisplayStartTop = 10;

// A reel position is 4 x digit code + scroll sub-step. The outer reels have 20 codes (0-9
// green, 10-19 red: the same ten digits twice), the centre reel 10.
inline constexpr int16 kStepsPerCode = 4;
inline constexpr int16 kLastOuterCode = 19;
inline constexpr int16 kLastCentreCode = 9;
inline constexpr int16 kLastOuterPosition = kStepsPerCode * (kLastOuterCode + 1) - 1;    // 79
inline constexpr int16 kLastCentrePosition = kStepsPerCode * (kLastCentreCode + 1) - 1;  // 39

// Where the reels stand until the first spin: a red 3, a red 1 and a red 3.
inline constexpr int16 kStartPosLeft = 52;
inline constexpr int16 kStartPosCentre = 4;
inline constexpr int16 kStartPosRight = 52;

// The timers' intervals in milliseconds. Timer1 steps the reels: the saver's load sets it by
// the speed class, 75 ms for high spec (Spec 0) and 10 ms for low spec (any other Spec); until
// then it runs at the 50 ms it is created with. Timer2 counts the lengths of the states.
inline constexpr int16 kTimer1StartInterval = 50;
inline constexpr int16 kTimer1HighSpec = 75;
inline constexpr int16 kTimer1LowSpec = 10;
inline constexpr int16 kTimer2Interval = 2;

}  // namespace zv
