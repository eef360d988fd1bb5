#pragma once
#include <cstdint>
#include <functional>

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
  // When the timers due at a clock tick are delivered; without it, on the tick itself.
  using Delivery = std::function<Nanoseconds(Nanoseconds tick)>;

  // Both timers at the intervals the window is created with, started at `now`.
  explicit SaverTimers(Nanoseconds now, Delivery delivery = {});
  // Setting the interval restarts the timer from now.
  void SetInterval(Timer timer, int16 milliseconds, Nanoseconds now);
  // The requested interval, as last set.
  int16 Interval(Timer timer) const { return State(timer).interval; }
  // The earliest time at which a timer is delivered.
  Nanoseconds NextDue() const;
  // True when the timer is delivered by `now`; its next tick is then scheduled after `now`.
  bool TakeTick(Timer timer, Nanoseconds now);
  // The clock tick the timer's next tick falls due on, and when that tick is delivered.
  Nanoseconds Due(Timer timer) const { return State(timer).due; }
  Nanoseconds DeliveredAt(Timer timer) const { return State(timer).delivery; }
  // Takes the timer's next tick alone: the one after it follows on the cadence, whenever that is
  // (a tick the program slept through is counted, not merged).
  void TakeOneTick(Timer timer);

 private:
  struct TimerState {
    int16 interval = 0;
    Nanoseconds due = 0;       // the clock tick it expires on
    Nanoseconds delivery = 0;  // when that tick is delivered
  };
  void SetDue(TimerState& timer, Nanoseconds tick) const;
  TimerState& State(Timer timer) { return timers_[timer == Timer::Timer1 ? 0 : 1]; }
  const TimerState& State(Timer timer) const { return timers_[timer == Timer::Timer1 ? 0 : 1]; }

  Delivery delivery_;
  TimerState timers_[2];
};

}  // namespace zv::platform
