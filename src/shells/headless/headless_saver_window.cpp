#include "shells/headless/headless_saver_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "machine/layout_and_timing.h"

namespace zv::headless {

HeadlessSaverWindow::HeadlessSaverWindow(platform::SaverWindowEvents& events, SaverWindowOptions options)
    : events_(events), options_(std::move(options)),
      passTime_(std::max<SimTime>(1, std::llround(kMillisecond / options_.passesPerMs))),
      timers_{{kTimer1StartInterval, NextClockTick(Period(kTimer1StartInterval))},
              {kTimer2Interval, NextClockTick(Period(kTimer2Interval))}} {
  if (!options_.paintDisplay) display_.DrawInto(unpainted_);
}

SimTime HeadlessSaverWindow::Period(int16 milliseconds) {
  return std::max<SimTime>(milliseconds * kMillisecond, kMinimumInterval);
}

SimTime HeadlessSaverWindow::NextClockTick(SimTime t) { return (t + kClockTick - 1) / kClockTick * kClockTick; }

void HeadlessSaverWindow::SetInterval(platform::Timer timer, int16 milliseconds) {
  // Setting the interval restarts the timer from now.
  TimerState& state = timers_[timer == platform::Timer::Timer1 ? 0 : 1];
  state.interval = milliseconds;
  state.due = NextClockTick(now_ + Period(milliseconds));
}

int16 HeadlessSaverWindow::Interval(platform::Timer timer) const {
  return timers_[timer == platform::Timer::Timer1 ? 0 : 1].interval;
}

platform::PictureBox& HeadlessSaverWindow::Pattern(platform::Art art) { return patterns_[static_cast<int>(art) - 1]; }

void HeadlessSaverWindow::LoadPicture(platform::Art art) {
  patterns_[static_cast<int>(art) - 1].LoadPicture(options_.assetsDir / ArtFileName(art));
}

void HeadlessSaverWindow::Unload() {
  visible_ = false;
  events_.Form_Unload();
}

void HeadlessSaverWindow::Schedule(InputEvent event) {
  auto at = std::upper_bound(input_.begin() + static_cast<std::ptrdiff_t>(nextInput_), input_.end(), event,
                             [](const InputEvent& a, const InputEvent& b) { return a.at < b.at; });
  input_.insert(at, event);
}

SimTime HeadlessSaverWindow::NextEventTime() const {
  SimTime next = std::min(timers_[0].due, timers_[1].due);
  if (nextInput_ < input_.size()) next = std::min(next, input_[nextInput_].at);
  return next;
}

bool HeadlessSaverWindow::OnDisplay(float x, float y) const {
  return x >= display_.Left() && x < display_.Left() + display_.Width() && y >= display_.Top() &&
         y < display_.Top() + display_.Height();
}

void HeadlessSaverWindow::Deliver(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::Click:
      if (!OnDisplay(event.x, event.y)) events_.Form_Click();
      break;
    case InputEvent::Kind::Key:
      events_.Form_KeyDown();
      break;
    case InputEvent::Kind::MouseMove:
      if (!OnDisplay(event.x, event.y)) events_.Form_MouseMove(event.x, event.y);
      break;
    case InputEvent::Kind::Close:
      Unload();
      break;
  }
}

void HeadlessSaverWindow::DoEvents() {
  // A pass right after a pass in which nothing happened draws the same picture again: when
  // fast-forwarding, run the passes up to the next event only as a count.
  if (options_.fastForward && !deliveredLastYield_) {
    const SimTime next = NextEventTime();
    const std::int64_t yieldsUntilEvent = (next - now_ + passTime_ - 1) / passTime_;
    if (yieldsUntilEvent > 1) {
      const std::int64_t skipped = yieldsUntilEvent - 1;
      now_ += skipped * passTime_;
      passes_ += skipped;
      events_.IdlePasses(skipped);
    }
  }

  now_ += passTime_;
  ++passes_;
  deliveredLastYield_ = false;
  // Input comes before timer messages, which the system delivers only when nothing else waits.
  while (nextInput_ < input_.size() && input_[nextInput_].at <= now_) {
    deliveredLastYield_ = true;
    Deliver(input_[nextInput_++]);
  }
  for (int i = 0; i < 2; ++i) {
    TimerState& timer = timers_[i];
    if (timer.due > now_) continue;
    // Expirations missed while the loop was busy merge into one tick.
    do timer.due = NextClockTick(timer.due + Period(timer.interval));
    while (timer.due <= now_);
    deliveredLastYield_ = true;
    if (i == 0) {
      ++timer1Ticks_;
      events_.Timer1_Timer();
      if (afterTimer1) afterTimer1();
    } else {
      ++timer2Ticks_;
      events_.Timer2_Timer();
    }
  }
}

platform::SoftwareSurface HeadlessSaverWindow::Screen() const {
  platform::SoftwareSurface screen(options_.screenWidth, options_.screenHeight);
  if (visible_)
    screen.BitBlt(display_.Left(), display_.Top(), display_.Width(), display_.Height(), display_.Pixels(), 0, 0);
  return screen;
}

}  // namespace zv::headless
