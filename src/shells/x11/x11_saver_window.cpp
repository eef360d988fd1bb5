#include "shells/x11/x11_saver_window.h"

#include <poll.h>

#include <algorithm>


namespace zv::x11 {
namespace {

platform::ScreenLayout LayoutOf(const SaverTarget& target) {
  return platform::LayoutFor({{0, 0, target.Width(), target.Height()}, {}, target.Dpi()});
}

}  // namespace

X11SaverWindow::X11SaverWindow(platform::SaverWindowEvents& events, SaverTarget& target,
                               linux_saver::EndSignals& endSignals)
    : events_(events), target_(target), endSignals_(endSignals), start_(std::chrono::steady_clock::now()),
      timers_(events, 0), layout_(LayoutOf(target)),
      boxes_(layout_, [&target](const platform::SoftwareSurface& pixels, const platform::Rect& shown) {
        target.Put(pixels, shown.left, shown.top);
      }) {}

platform::Nanoseconds X11SaverWindow::Now() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_).count();
}


void X11SaverWindow::Refresh() {
  target_.FillBlack();
  boxes_.Display().ForgetShown();
  boxes_.Display().Refresh();
}

void X11SaverWindow::Unload() { events_.Form_Unload(); }

void X11SaverWindow::DoEvents() {
  if (RunPending()) return;
  events_.Slept(WaitForEvent());
  RunPending();
}

bool X11SaverWindow::RunPending() {
  // The daemon ends the saver with a signal, or by destroying its window.
  if (endSignals_.Received() || target_.Gone()) Unload();
  bool ran = timers_.BeforeInput(Now());
  ::Display* display = target_.Connection();
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    Handle(event);
    ran = true;
  }
  if (target_.Gone()) Unload();
  // Timer messages come after input, as the system delivers them only when nothing else waits.
  return timers_.Deliver(Now()) || ran;
}

void X11SaverWindow::Handle(const XEvent& event) {
  if (event.xany.window != target_.Id()) return;
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) Refresh();
      break;
    case ConfigureNotify:
      target_.Resized(event.xconfigure.width, event.xconfigure.height);
      layout_ = LayoutOf(target_);
      break;
    case MapNotify:
      target_.TakeKeyboard();
      break;
    case DestroyNotify:
      Unload();
      break;
    case ClientMessage:
      if (static_cast<Atom>(event.xclient.data.l[0]) == target_.CloseMessage()) Unload();
      break;
    case KeyPress:
      events_.Form_KeyDown();
      break;
    case ButtonRelease:
      // Every button ends the saver, as on Windows: the three, the wheel's (4 to 7) and the side
      // buttons.
      events_.Form_Click();
      break;
    case MotionNotify:
      events_.Form_MouseMove(static_cast<float>(event.xmotion.x), static_cast<float>(event.xmotion.y));
      break;
    case EnterNotify:
      // A window that appears under the pointer learns where the pointer is before it moves.
      events_.Form_MouseMove(static_cast<float>(event.xcrossing.x), static_cast<float>(event.xcrossing.y));
      break;
    default:
      break;
  }
}

std::chrono::nanoseconds X11SaverWindow::WaitForEvent() {
  ::Display* display = target_.Connection();
  // Events that arrived with a reply are queued already and would not wake the poll.
  if (XEventsQueued(display, QueuedAfterFlush) > 0) return std::chrono::nanoseconds(0);
  const platform::Nanoseconds from = Now();
  const platform::Nanoseconds wait = std::max<platform::Nanoseconds>(0, timers_.Sleep() - from);
  const timespec timeout{static_cast<time_t>(wait / 1'000'000'000), static_cast<long>(wait % 1'000'000'000)};
  pollfd sources[2] = {{ConnectionNumber(display), POLLIN, 0}, {endSignals_.Fd(), POLLIN, 0}};
  ppoll(sources, 2, &timeout, nullptr);
  return std::chrono::nanoseconds(Now() - from);
}

}  // namespace zv::x11
