#include "shells/wayland/wayland_saver_window.h"

#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "linux_saver/run_end.h"

namespace zv::wayland {
namespace {

platform::ScreenLayout LayoutOf(const SaverSurface& surface) {
  return platform::LayoutFor({{0, 0, surface.Width(), surface.Height()}, {}, surface.Dpi()});
}

}  // namespace

WaylandSaverWindow::WaylandSaverWindow(platform::SaverWindowEvents& events, WaylandConnection& connection,
                                       SaverSurface& surface, linux_saver::EndSignals& endSignals)
    : events_(events), connection_(connection), surface_(surface), endSignals_(endSignals),
      start_(std::chrono::steady_clock::now()), timers_(events, 0), layout_(LayoutOf(surface)),
      boxes_(layout_, [&surface](const platform::SoftwareSurface& pixels, const platform::Rect& shown) {
        surface.ShowBlock(pixels, shown);
      }) {}

platform::Nanoseconds WaylandSaverWindow::Now() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_).count();
}


void WaylandSaverWindow::Unload() { events_.Form_Unload(); }

// A new size, scale or turn of the output shows the whole block at once, at the new scale: where
// its place no longer holds it whole, it moves just inside. The next spin places it anew.
void WaylandSaverWindow::Reconfigured() {
  layout_ = LayoutOf(surface_);
  platform::SoftwarePictureBox& block = boxes_.Display();
  block.SetLeft(static_cast<int16>(platform::StartOffset(block.Left(), layout_.ScaleWidth(), block.Width())));
  block.SetTop(static_cast<int16>(platform::StartOffset(block.Top(), layout_.ScaleHeight(), block.Height())));
  block.ForgetShown();
  block.Refresh();
}

int WaylandSaverWindow::DispatchPending() {
  const int dispatched = connection_.DispatchPending();
  if (dispatched < 0) return dispatched;
  const std::vector<SurfaceEvent> told = surface_.TakeEvents();
  for (const SurfaceEvent& event : told) Handle(event);
  return dispatched + static_cast<int>(told.size());
}

void WaylandSaverWindow::Handle(const SurfaceEvent& event) {
  switch (event.kind) {
    case SurfaceEvent::Kind::Reconfigured: Reconfigured(); break;
    case SurfaceEvent::Kind::CloseRequested: Unload(); break;
    case SurfaceEvent::Kind::OutputGone: linux_saver::EndProcess(linux_saver::RunEnd::OutputGone);
    case SurfaceEvent::Kind::KeyPressed: events_.Form_KeyDown(); break;
    case SurfaceEvent::Kind::Clicked: events_.Form_Click(); break;
    case SurfaceEvent::Kind::PointerAt:
      events_.Form_MouseMove(static_cast<float>(event.x), static_cast<float>(event.y));
      break;
  }
}

void WaylandSaverWindow::DoEvents() {
  // What the pass drew goes out as one frame.
  surface_.CommitIfDue();
  if (RunPending()) return;
  events_.Slept(WaitForEvent());
  RunPending();
}

bool WaylandSaverWindow::RunPending() {
  // The idle daemon ends the saver with a signal.
  if (endSignals_.Received()) Unload();
  const bool counted = timers_.BeforeInput(Now());
  const int handled = DispatchPending();
  if (handled < 0) EndOnFailure();
  // Timer messages come after input, as the system delivers them only when nothing else waits.
  return timers_.Deliver(Now()) || counted || handled > 0;
}

std::chrono::nanoseconds WaylandSaverWindow::WaitForEvent() {
  const platform::Nanoseconds from = Now();
  // The compositor answers every frame (its frame callback, the buffer it lets go): waking for
  // those would wake the saver twice for every picture. What it sends, input among it, waits in
  // the socket until the tick that changes the picture wakes the saver, or a signal; a sleep
  // through ticks that change nothing is cut at a tenth of a second, so that input still ends
  // the saver at once to the eye (above the 78 ms between Timer1's ticks at Spec 0, so that the
  // cut adds no wake while the reels turn).
  constexpr platform::Nanoseconds kLongestInputWait = 100 * platform::kMillisecond;
  const platform::Nanoseconds wait = std::clamp<platform::Nanoseconds>(timers_.Sleep() - from, 0, kLongestInputWait);
  const timespec timeout{static_cast<time_t>(wait / 1'000'000'000), static_cast<long>(wait % 1'000'000'000)};
  if (!connection_.Flush()) EndOnFailure();
  pollfd signals{endSignals_.Fd(), POLLIN, 0};
  ppoll(&signals, 1, &timeout, nullptr);
  return std::chrono::nanoseconds(Now() - from);
}

// The run cannot go on without its compositor. The watcher of the outputs tells of one that went
// away; a protocol error, or the end of the compositor under a window, is this run's own to tell.
void WaylandSaverWindow::EndOnFailure() {
  if (!surface_.FullScreen() || !connection_.Gone()) std::fprintf(stderr, "zorvalite: %s\n", connection_.Failure().c_str());
  linux_saver::EndProcess(linux_saver::RunEnd::Failed);
}

}  // namespace zv::wayland
