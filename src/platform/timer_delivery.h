#pragma once
#include <cstdint>
#include <functional>

#include "platform/saver_timers.h"
#include "platform/saver_window.h"

namespace zv::platform {

// The saver window's two timers delivered to its handlers, as every shell delivers them: Windows'
// cadence (SaverTimers), and a yield that sleeps through the ticks that change nothing
// on screen. Before it sleeps it asks the saver for a forecast of the picture, and sleeps until
// the first tick that changes it, or input. When it wakes it delivers the ticks that fell due
// meanwhile, each as one call, in the order the cadence gives them, before anything that
// reads their counts: before the tick it woke for, before input, before the next pass. Ticks
// missed while the program was busy, not asleep, merge into one, as Windows merges them.
class TimerDelivery {
 public:
  TimerDelivery(SaverWindowEvents& events, Nanoseconds now, SaverTimers::Delivery delivery = {});

  void SetInterval(Timer timer, int16 milliseconds, Nanoseconds now) { timers_.SetInterval(timer, milliseconds, now); }
  int16 Interval(Timer timer) const { return timers_.Interval(timer); }
  // The ticks delivered so far.
  std::int64_t Ticks(Timer timer) const { return timer == Timer::Timer1 ? timer1Ticks_ : timer2Ticks_; }
  // The earliest time a timer falls due, Timer2's too: for a loop that runs through its ticks.
  Nanoseconds NextDue() const { return timers_.NextDue(); }

  // A sleep starts: returns when it ends at the latest, with no input.
  Nanoseconds Sleep();
  // Input is about to be handled at `now`: the Timer2 ticks slept through before it go first.
  // True when a handler ran.
  bool BeforeInput(Nanoseconds now);
  // The timers' messages, which come after input: the ticks due by `now`. True when a handler
  // ran. The sleep, if any, is over.
  bool Deliver(Nanoseconds now);

  // Called right after every Timer1 tick's handler returns.
  std::function<void()> afterTimer1;
  // Called before each tick slept through is delivered, with the time it was to be delivered at.
  std::function<void(Nanoseconds delivery)> beforeSleptTick;

 private:
  // The ticks slept through that are delivered by `now` (before it, unless `inclusive`), one
  // call each, up to the Timer1 tick the sleep was for.
  bool DeliverSlept(Nanoseconds now, bool inclusive);
  void Timer1();
  void Timer2();

  SaverWindowEvents& events_;
  SaverTimers timers_;
  bool asleep_ = false;
  // The clock tick of the tick the sleep was for; Timer1's ticks before it were slept through.
  Nanoseconds wake_ = 0;
  std::int64_t timer1Ticks_ = 0;
  std::int64_t timer2Ticks_ = 0;
};

}  // namespace zv::platform
