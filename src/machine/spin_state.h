#pragma once
#include <array>

#include "runtime/int16.h"

namespace zv {

// The states of a spin, as SpinState holds them. The numbers are the machine's own: traces
// and snapshots name the states by them. Any other value is a state that does nothing.
enum class Spin : int16 {
  NewSpin = 0,            // the block jumps and the outcome is drawn
  Rest = 1,               // the reels stand still
  FirstStep = 2,          // one step of all reels; a premonition may take over from here
  AfterFirstStep = 3,
  SecondStep = 4,
  AfterSecondStep = 5,
  FreeSpin = 6,           // all reels run; at its end the left reel is parked
  Presentation = 7,       // TickCycle picks how a jackpot is presented
  LeftSlows = 8,          // the left reel slows to half speed onto its target
  LeftStands = 9,         // at its end the right reel is parked
  RightSlows = 10,
  CentreRunsOn = 11,      // at its end the centre is parked; a reach leaves at once
  CentreSlows = 12,
  AllStopped = 13,
  Verdict = 14,           // a jackpot is celebrated, a miss spins again
  Celebration = 15,       // the reels blink
  CelebrationEnd = 16,    // the reels shown in their own colours again
  ReachFirstLap = 20,     // the centre crawls
  ReachSecondLap = 21,
  NearMiss = 22,          // a revival stands one code past its target
  Revival = 23,           // and runs on round to it
  AllTogetherAlign = 30,  // all together: the outer reels join the centre
  AllTogetherWait = 31,
  AllTogetherRun = 32,
  AllTogetherStop = 33,
  Premonition = 40,       // the reels flash orange
};

// Every state, in the order of their numbers.
inline constexpr std::array kSpinStates = {
    Spin::NewSpin,        Spin::Rest,           Spin::FirstStep,       Spin::AfterFirstStep,  Spin::SecondStep,
    Spin::AfterSecondStep, Spin::FreeSpin,      Spin::Presentation,    Spin::LeftSlows,       Spin::LeftStands,
    Spin::RightSlows,     Spin::CentreRunsOn,   Spin::CentreSlows,     Spin::AllStopped,      Spin::Verdict,
    Spin::Celebration,    Spin::CelebrationEnd, Spin::ReachFirstLap,   Spin::ReachSecondLap,  Spin::NearMiss,
    Spin::Revival,        Spin::AllTogetherAlign, Spin::AllTogetherWait, Spin::AllTogetherRun, Spin::AllTogetherStop,
    Spin::Premonition,
};

// The number of a state, as traces show it.
constexpr int16 StateNumber(Spin state) { return static_cast<int16>(state); }

}  // namespace zv
