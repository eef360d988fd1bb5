#pragma once
#include <chrono>

#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "linux_saver/end_signals.h"
#include "shells/x11/saver_target.h"
#include "software_shell/block_boxes.h"

namespace zv::x11 {

// The saver window on X11: the display block drawn into the target window with XPutImage,
// Windows' timer cadence on the monotonic clock, and a yield that sleeps in poll until the
// next timer, X event or ending signal. The target window is the whole screen of the run, its
// one monitor at the desktop's DPI: the block shows in whole squares at high DPI, or scaled down
// to fit a window smaller than it (the daemon's small preview), as on Windows.
class X11SaverWindow : public platform::SaverWindow {
 public:
  X11SaverWindow(platform::SaverWindowEvents& events, SaverTarget& target, linux_saver::EndSignals& endSignals);

  void Show() override { target_.Map(); }
  int16 ScaleWidth() const override { return layout_.ScaleWidth(); }
  int16 ScaleHeight() const override { return layout_.ScaleHeight(); }
  void Refresh() override;
  void Cls() override { target_.FillBlack(); }
  void Hide() override { target_.Unmap(); }
  void Unload() override;
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override { timers_.SetInterval(timer, milliseconds, Now()); }
  platform::PictureBox& Display() override { return boxes_.Display(); }
  platform::PictureBox& Pattern(platform::Art art) override { return boxes_.Pattern(art); }
  void LoadPicture(platform::Art art) override { boxes_.LoadPicture(art); }

  // Where the block shows in the target window at its present size.
  const platform::ScreenLayout& Layout() const { return layout_; }

 private:
  platform::Nanoseconds Now() const;
  // Runs every event that is pending now: an ending signal, X events, timers due. False when
  // there was none.
  bool RunPending();
  void Handle(const XEvent& event);
  // Waits until the next Timer1 tick (or the Timer2 tick that changes the picture), an X event or
  // an ending signal; returns how long.
  std::chrono::nanoseconds WaitForEvent();

  platform::SaverWindowEvents& events_;
  SaverTarget& target_;
  linux_saver::EndSignals& endSignals_;
  const std::chrono::steady_clock::time_point start_;
  platform::TimerDelivery timers_;
  platform::ScreenLayout layout_;
  // The display block shows itself in the window at every refresh.
  software_shell::BlockBoxes boxes_;
};

}  // namespace zv::x11
