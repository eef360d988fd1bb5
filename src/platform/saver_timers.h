#pragma once
#include <cstdint>

#include "platform/saver_window.h"

namespace zv::platform {

// A shell's clock: nanoseconds from a fixed start.
using Nanoseconds = std::int64_t;
inline constexpr Nanoseconds kMillisecond = 1'000'000;
// Windows delivers timers on the system clock's tick, by default 64 times a second.
inline constexpr Nanoseconds kClockTick = 15'625'000;
// Intervals below this are raised to it, as SetTimer does.
inline constexpr Nanoseconds kMinimumInterval = 10 * kMillisecond;

// The saver window's two timers with Windows' cadence, which every shell but Win32 reproduces
// so that the saver keeps the same pace everywhere: ticks fall on the system clock's tick,
// intervals below the minimum run at the minimum, and expirations missed while the program was
// busy merge into one tick.
class SaverTimers {
 public:
  // Both timers at their created intervals, started at `now`.
  explicit SaverTimers(Nanoseconds now);
  // Setting the interval restarts the timer from now.
  void SetInterval(Timer timer, int16 milliseconds, Nanoseconds now);
  // The requested interval, as last set.
  int16 Interval(Timer timer) const { return State(timer).interval; }
  // The earliest time at which a timer falls due.
  Nanoseconds NextDue() const;
  // True when the timer is due at `now`; its next tick is then scheduled after `now`.
  bool TakeTick(Timer timer, Nanoseconds now);

 private:
  struct TimerState {
    int16 interval;
    Nanoseconds due;
  };
  static TimerState Started(int16 milliseconds, Nanoseconds now);
  TimerState& State(Timer timer) { return timers_[timer == Timer::Timer1 ? 0 : 1]; }
  const TimerState& State(Timer timer) const { return timers_[timer == Timer::Timer1 ? 0 : 1]; }

  TimerState timers_[2];
};

}  // namespace zv::platform
