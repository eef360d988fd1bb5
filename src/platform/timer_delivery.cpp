#include "platform/timer_delivery.h"

#include <limits>

namespace zv::platform {
namespace {

// A forecast looks this many Timer1 ticks ahead at most: the longest wait of a spin is shorter.
constexpr int kForecastTimer1Ticks = 128;

// The timer whose tick comes next on the cadence: at one clock tick Timer1's goes first.
Timer NextOn(const SaverTimers& timers) {
  return timers.Due(Timer::Timer1) <= timers.Due(Timer::Timer2) ? Timer::Timer1 : Timer::Timer2;
}

}  // namespace

TimerDelivery::TimerDelivery(SaverWindowEvents& events, Nanoseconds now, SaverTimers::Delivery delivery)
    : events_(events), timers_(now, std::move(delivery)) {}

Nanoseconds TimerDelivery::Sleep() {
  asleep_ = true;
  const std::unique_ptr<PictureForecast> forecast = events_.ForecastPicture();
  SaverTimers cadence = timers_;
  for (int timer1Ticks = 0;;) {
    const Timer timer = NextOn(cadence);
    const bool timer1 = timer == Timer::Timer1;
    if ((timer1 && (!forecast || ++timer1Ticks == kForecastTimer1Ticks)) || (forecast && forecast->Changes(timer))) {
      wake_ = cadence.Due(timer);
      return cadence.DeliveredAt(timer);
    }
    cadence.TakeOneTick(timer);
  }
}

bool TimerDelivery::BeforeInput(Nanoseconds now) { return asleep_ && DeliverSlept(now, false); }

bool TimerDelivery::Deliver(Nanoseconds now) {
  bool ran = asleep_ && DeliverSlept(now, true);
  if (timers_.TakeTick(Timer::Timer1, now)) {
    Timer1();
    ran = true;
  }
  if (asleep_) {
    wake_ = std::numeric_limits<Nanoseconds>::max();
    ran = DeliverSlept(now, true) || ran;
  } else if (timers_.TakeTick(Timer::Timer2, now)) {
    Timer2();
    ran = true;
  }
  asleep_ = false;
  return ran;
}

bool TimerDelivery::DeliverSlept(Nanoseconds now, bool inclusive) {
  bool ran = false;
  for (;;) {
    const Timer timer = NextOn(timers_);
    const Nanoseconds delivery = timers_.DeliveredAt(timer);
    if ((timer == Timer::Timer1 && timers_.Due(timer) >= wake_) || delivery > now || (!inclusive && delivery == now))
      return ran;
    if (beforeSleptTick) beforeSleptTick(delivery);
    timers_.TakeOneTick(timer);
    if (timer == Timer::Timer1) Timer1();
    else Timer2();
    ran = true;
  }
}

void TimerDelivery::Timer1() {
  ++timer1Ticks_;
  events_.Timer1_Timer();
  if (afterTimer1) afterTimer1();
}

void TimerDelivery::Timer2() {
  ++timer2Ticks_;
  events_.Timer2_Timer();
}

}  // namespace zv::platform
