#pragma once
#include <chrono>

#include "linux_saver/end_signals.h"
#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "shells/wayland/saver_surface.h"
#include "shells/wayland/wayland_connection.h"
#include "software_shell/block_boxes.h"

namespace zv::wayland {

// The saver window on Wayland: the display block shown on the saver's surface, Windows' timer
// cadence on the monotonic clock, and a yield that sleeps in poll on the compositor's socket
// until the next timer, event or ending signal. The surface is the whole screen of the run, at
// its output's scale (scale x 96 DPI): the block shows in whole squares at high DPI, as on
// Windows and X11.
class WaylandSaverWindow : public platform::SaverWindow {
 public:
  // A compositor that goes away, or an output that goes, ends the process (linux_saver/run_end.h).
  WaylandSaverWindow(platform::SaverWindowEvents& events, WaylandConnection& connection, SaverSurface& surface,
                     linux_saver::EndSignals& endSignals);

  void Show() override { surface_.Map(); }
  int16 ScaleWidth() const override { return layout_.ScaleWidth(); }
  int16 ScaleHeight() const override { return layout_.ScaleHeight(); }
  void Refresh() override { boxes_.Display().Refresh(); }
  void Cls() override { surface_.ClearBlock(); }
  void Hide() override { surface_.Unmap(); }
  void Unload() override;
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override { timers_.SetInterval(timer, milliseconds, Now()); }
  platform::PictureBox& Display() override { return boxes_.Display(); }
  platform::PictureBox& Pattern(platform::Art art) override { return boxes_.Pattern(art); }
  void LoadPicture(platform::Art art) override { boxes_.LoadPicture(art); }

  // Where the block shows on the surface at its present size and scale.
  const platform::ScreenLayout& Layout() const { return layout_; }

 private:
  void Reconfigured();

  platform::Nanoseconds Now() const;
  // Reads what the compositor has sent, without waiting, and hands what it told of the surface
  // to Handle, once libwayland's dispatch has returned: how many events there were, or -1 when
  // the connection failed.
  int DispatchPending();
  void Handle(const SurfaceEvent& event);
  // Runs every event that is pending now: an ending signal, the compositor's events, timers
  // due. False when there was none.
  bool RunPending();
  // Waits until the next Timer1 tick (or the Timer2 tick that changes the picture), an event or
  // an ending signal; returns how long.
  std::chrono::nanoseconds WaitForEvent();
  [[noreturn]] void EndOnFailure();

  platform::SaverWindowEvents& events_;
  WaylandConnection& connection_;
  SaverSurface& surface_;
  linux_saver::EndSignals& endSignals_;
  const std::chrono::steady_clock::time_point start_;
  platform::TimerDelivery timers_;
  platform::ScreenLayout layout_;
  // The display block shows itself on the surface at every refresh.
  software_shell::BlockBoxes boxes_;
};

}  // namespace zv::wayland
