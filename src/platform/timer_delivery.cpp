#include "platform/timer_delivery.h"

#include <algorithm>
#include <limits>

namespace zv::platform {

TimerDelivery::TimerDelivery(SaverWindowEvents& events, Nanoseconds now, SaverTimers::Delivery delivery)
    : events_(events), timers_(now, std::move(delivery)) {}

Nanoseconds TimerDelivery::Sleep() {
  asleep_ = true;
  const Nanoseconds timer1 = timers_.DeliveredAt(Timer::Timer1);
  const int ticks = events_.Timer2TicksToNextPicture();
  return ticks > 0 ? std::min(timer1, timers_.DeliveryAfter(Timer::Timer2, ticks - 1)) : timer1;
}

bool TimerDelivery::BeforeInput(Nanoseconds now) {
  return asleep_ && DeliverSlept(now, false, timers_.Due(Timer::Timer1));
}

bool TimerDelivery::Deliver(Nanoseconds now) {
  bool ran = asleep_ && DeliverSlept(now, true, timers_.Due(Timer::Timer1));
  if (timers_.TakeTick(Timer::Timer1, now)) {
    ++timer1Ticks_;
    events_.Timer1_Timer();
    if (afterTimer1) afterTimer1();
    ran = true;
  }
  if (asleep_) {
    ran = DeliverSlept(now, true, std::numeric_limits<Nanoseconds>::max()) || ran;
  } else if (timers_.TakeTick(Timer::Timer2, now)) {
    Timer2();
    ran = true;
  }
  asleep_ = false;
  return ran;
}

bool TimerDelivery::DeliverSlept(Nanoseconds now, bool inclusive, Nanoseconds before) {
  bool ran = false;
  for (;;) {
    const Nanoseconds delivery = timers_.DeliveredAt(Timer::Timer2);
    if (timers_.Due(Timer::Timer2) >= before || delivery > now || (!inclusive && delivery == now)) return ran;
    timers_.TakeOneTick(Timer::Timer2);
    Timer2();
    ran = true;
  }
}

void TimerDelivery::Timer2() {
  ++timer2Ticks_;
  events_.Timer2_Timer();
}

}  // namespace zv::platform
