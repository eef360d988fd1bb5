#include "shells/headless/headless_saver_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zv::headless {

HeadlessSaverWindow::HeadlessSaverWindow(platform::SaverWindowEvents& events, SaverWindowOptions options)
    : events_(events), options_(std::move(options)),
      layout_(platform::LayoutFor({{0, 0, options_.screenWidth, options_.screenHeight}, options_.otherMonitors, options_.dpi})),
      passTime_(std::max<SimTime>(1, std::llround(kMillisecond / options_.passesPerMs))),
      jitterSpan_(std::llround(std::clamp(options_.timerJitter, 0.0, 0.499) * kClockTick)),
      timers_(events_, 0, [this](SimTime tick) { return Delivery(tick); }) {
  if (!options_.paintDisplay) display_.DrawInto(unpainted_);
  timers_.afterTimer1 = [this] {
    if (afterTimer1) afterTimer1();
  };
  timers_.beforeSleptTick = [this](SimTime delivery) { WakeSleptThrough(delivery); };
}

// The offset of a tick is a hash of the seed and the tick's number (SplitMix64's finaliser):
// it does not depend on which timers asked, or in which order.
SimTime HeadlessSaverWindow::Delivery(SimTime tick) const {
  if (jitterSpan_ == 0) return tick;
  std::uint64_t h = options_.jitterSeed + static_cast<std::uint64_t>(tick / kClockTick) * 0x9E3779B97F4A7C15ull;
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
  h ^= h >> 31;
  return tick - jitterSpan_ + static_cast<SimTime>(h % static_cast<std::uint64_t>(2 * jitterSpan_ + 1));
}

void HeadlessSaverWindow::SetInterval(platform::Timer timer, int16 milliseconds) {
  timers_.SetInterval(timer, milliseconds, now_);
}

int16 HeadlessSaverWindow::Interval(platform::Timer timer) const { return timers_.Interval(timer); }

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

// The loop once woke for every tick, ran a pass of the simulated pass time after it and
// counted the rest of the time until the next as slept: the odometer counts as it did then, tick
// by tick, so that every tick sees it as it did and a trace of the sleeping loop stays the one
// it was (the pass time, 1/24 ms rounded to the nanosecond, counts a third of a nanosecond short
// of a pass in a sleep). Ticks delivered together are one wake.
void HeadlessSaverWindow::WakeSleptThrough(SimTime delivery) {
  if (delivery == lastWake_) return;
  if (passPending_) {
    events_.IdlePasses(1);
    sleptFrom_ = lastWake_ + passTime_;
  }
  events_.Slept(std::chrono::nanoseconds(delivery - sleptFrom_));
  sleptFrom_ = delivery;
  now_ = delivery;
  lastWake_ = delivery;
  passPending_ = true;
}

SimTime HeadlessSaverWindow::NextInputTime() const {
  return nextInput_ < input_.size() ? input_[nextInput_].at : std::numeric_limits<SimTime>::max();
}

void HeadlessSaverWindow::Deliver(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::Click:
      events_.Form_Click();
      break;
    case InputEvent::Kind::Key:
      events_.Form_KeyDown();
      break;
    case InputEvent::Kind::MouseMove:
      events_.Form_MouseMove(event.x, event.y);
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
    const SimTime next = std::min(timers_.NextDue(), NextInputTime());
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
  // The program's yield sleeps when nothing is due, through the ticks that change nothing.
  if (options_.sleepWhenIdle && std::min(timers_.NextDue(), NextInputTime()) > now_) {
    sleptFrom_ = now_;
    lastWake_ = -1;
    passPending_ = false;
    const SimTime wake = std::min(timers_.Sleep(), NextInputTime());
    if (timers_.BeforeInput(wake)) deliveredLastYield_ = true;
    WakeSleptThrough(wake);
    passPending_ = false;  // the pass after this wake is the loop's next
  }
  // Input comes before timer messages, which the system delivers only when nothing else waits.
  while (nextInput_ < input_.size() && input_[nextInput_].at <= now_) {
    timers_.BeforeInput(now_);
    deliveredLastYield_ = true;
    Deliver(input_[nextInput_++]);
  }
  if (timers_.Deliver(now_)) deliveredLastYield_ = true;
}

platform::SoftwareSurface HeadlessSaverWindow::Screen() const {
  platform::SoftwareSurface screen(static_cast<int16>(layout_.window.width), static_cast<int16>(layout_.window.height));
  if (!visible_) return screen;
  const platform::Rect block = layout_.ToWindow({display_.Left(), display_.Top(), display_.Width(), display_.Height()});
  screen.StretchBlt(block.left, block.top, block.width, block.height, display_.Pixels());
  return screen;
}

}  // namespace zv::headless
