#include "platform/saver_timers.h"

#include <algorithm>

namespace zv::platform {
namespace {

Nanoseconds Period(int16 milliseconds) { return std::max<Nanoseconds>(milliseconds * kMillisecond, kMinimumInterval); }

Nanoseconds NextClockTick(Nanoseconds t) { return (t + kClockTick - 1) / kClockTick * kClockTick; }

}  // namespace

SaverTimers::TimerState SaverTimers::Started(int16 milliseconds, Nanoseconds now) {
  return {milliseconds, NextClockTick(now + Period(milliseconds))};
}

SaverTimers::SaverTimers(Nanoseconds now)
    : timers_{Started(kTimer1CreatedInterval, now), Started(kTimer2Interval, now)} {}

void SaverTimers::SetInterval(Timer timer, int16 milliseconds, Nanoseconds now) {
  State(timer) = Started(milliseconds, now);
}

Nanoseconds SaverTimers::NextDue() const { return std::min(timers_[0].due, timers_[1].due); }

bool SaverTimers::TakeTick(Timer timer, Nanoseconds now) {
  TimerState& state = State(timer);
  if (state.due > now) return false;
  do state.due = NextClockTick(state.due + Period(state.interval));
  while (state.due <= now);
  return true;
}

}  // namespace zv::platform
