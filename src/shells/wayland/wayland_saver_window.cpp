#include "shells/wayland/wayland_saver_window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "shells/wayland/wayland_platform.h"

namespace zv::wayland {
namespace {

platform::ScreenLayout LayoutOf(const SaverSurface& surface) {
  return platform::LayoutFor({{0, 0, surface.Width(), surface.Height()}, {}, surface.Dpi()});
}

}  // namespace

WaylandSaverWindow::WaylandSaverWindow(platform::SaverWindowEvents& events, WaylandConnection& connection,
                                       SaverSurface& surface, display_mode::EndSignals& endSignals, bool reportGone)
    : events_(events), connection_(connection), surface_(surface), endSignals_(endSignals), reportGone_(reportGone),
      start_(std::chrono::steady_clock::now()), timers_(events, 0), layout_(LayoutOf(surface)),
      boxes_(layout_, [&surface](const platform::SoftwareSurface& pixels, const platform::Rect& shown) {
        surface.ShowBlock(pixels, shown);
      }) {
  surface_.SetEvents(this);
}

WaylandSaverWindow::~WaylandSaverWindow() { surface_.SetEvents(nullptr); }

platform::Nanoseconds WaylandSaverWindow::Now() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_).count();
}


void WaylandSaverWindow::Unload() { events_.Form_Unload(); }

// A new size, scale or turn of the output shows the whole block at once, at the new scale: where
// its place no longer holds it whole, it moves just inside. The next spin places it anew.
void WaylandSaverWindow::Reconfigured() {
  layout_ = LayoutOf(surface_);
  platform::PictureBox& block = boxes_.Display();
  block.SetLeft(static_cast<int16>(platform::StartOffset(block.Left(), layout_.ScaleWidth(), block.Width())));
  block.SetTop(static_cast<int16>(platform::StartOffset(block.Top(), layout_.ScaleHeight(), block.Height())));
  boxes_.Display().ForgetShown();
  block.Refresh();
}

void WaylandSaverWindow::OutputGone() { EndWithoutOutput(); }

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
  const int handled = connection_.DispatchPending();
  if (handled < 0) EndOnFailure();
  // Timer messages come after input, as the system delivers them only when nothing else waits.
  return timers_.Deliver(Now()) || counted || handled > 0;
}

std::chrono::nanoseconds WaylandSaverWindow::WaitForEvent() {
  const platform::Nanoseconds from = Now();
  const platform::Nanoseconds wait = std::max<platform::Nanoseconds>(0, timers_.Sleep() - from);
  const timespec timeout{static_cast<time_t>(wait / 1'000'000'000), static_cast<long>(wait % 1'000'000'000)};
  pollfd signals{endSignals_.Fd(), POLLIN, 0};
  if (!connection_.Wait(&timeout, {&signals, 1})) EndOnFailure();
  return std::chrono::nanoseconds(Now() - from);
}

// The run cannot go on without its compositor. The watcher of the outputs tells of one that went
// away; a protocol error is this run's own to tell.
void WaylandSaverWindow::EndOnFailure() {
  if (reportGone_ || !connection_.Gone()) std::fprintf(stderr, "zorvalite: %s\n", connection_.Failure().c_str());
  std::exit(1);
}

}  // namespace zv::wayland
