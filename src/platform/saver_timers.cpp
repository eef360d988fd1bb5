#include "platform/saver_timers.h"

#include <algorithm>

#include "machine/layout_and_timing.h"

namespace zv::platform {
namespace {

Nanoseconds Period(int16 milliseconds) { return std::max<Nanoseconds>(milliseconds * kMillisecond, kMinimumInterval); }

Nanoseconds NextClockTick(Nanoseconds t) { return (t + kClockTick - 1) / kClockTick * kClockTick; }

}  // namespace

SaverTimers::SaverTimers(Nanoseconds now, Delivery delivery) : delivery_(std::move(delivery)) {
  SetInterval(Timer::Timer1, kTimer1StartInterval, now);
  SetInterval(Timer::Timer2, kTimer2Interval, now);
}

void SaverTimers::SetDue(TimerState& timer, Nanoseconds tick) const {
  timer.due = tick;
  timer.delivery = delivery_ ? delivery_(tick) : tick;
}

void SaverTimers::SetInterval(Timer timer, int16 milliseconds, Nanoseconds now) {
  TimerState& state = State(timer);
  state.interval = milliseconds;
  SetDue(state, NextClockTick(now + Period(milliseconds)));
}

Nanoseconds SaverTimers::NextDue() const { return std::min(timers_[0].delivery, timers_[1].delivery); }

bool SaverTimers::TakeTick(Timer timer, Nanoseconds now) {
  TimerState& state = State(timer);
  if (state.delivery > now) return false;
  do SetDue(state, NextClockTick(state.due + Period(state.interval)));
  while (state.delivery <= now);
  return true;
}

void SaverTimers::TakeOneTick(Timer timer) {
  TimerState& state = State(timer);
  SetDue(state, NextClockTick(state.due + Period(state.interval)));
}

}  // namespace zv::platform
