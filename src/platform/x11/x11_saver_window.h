#pragma once
#include <chrono>

#include "platform/saver_timers.h"
#include "platform/saver_window.h"
#include "platform/software_picture_box.h"
#include "platform/x11/end_signals.h"
#include "platform/x11/saver_target.h"

namespace zv::platform::x11 {

// The saver window on X11: the display block drawn into the target window with XPutImage,
// Windows' timer cadence on the monotonic clock, and a yield that sleeps in poll until the
// next timer, X event or ending signal.
class X11SaverWindow : public SaverWindow {
 public:
  X11SaverWindow(SaverWindowEvents& events, SaverTarget& target, EndSignals& endSignals);

  void Show() override { target_.Map(); }
  int16 ScaleWidth() const override;
  int16 ScaleHeight() const override;
  void Refresh() override;
  void Cls() override { target_.FillBlack(); }
  void Hide() override { target_.Unmap(); }
  void Unload() override;
  void DoEvents() override;
  void SetInterval(Timer timer, int16 milliseconds) override { timers_.SetInterval(timer, milliseconds, Now()); }
  PictureBox& Display() override { return display_; }
  PictureBox& Pattern(Art art) override { return patterns_[static_cast<int>(art) - 1]; }
  // The glyph bitmaps are built into the program.
  void LoadPicture(Art art) override;

 private:
  // The display block shows itself on the window at every refresh.
  struct DisplayBox : SoftwarePictureBox {
    explicit DisplayBox(SaverTarget& target) : target(target) {}
    void Refresh() override { target.Put(Pixels(), Left(), Top()); }
    SaverTarget& target;
  };
  // The art boxes are hidden: a refresh shows nothing.
  struct ArtBox : SoftwarePictureBox {
    void Refresh() override {}
  };

  Nanoseconds Now() const;
  // Runs every event that is pending now: an ending signal, X events, timers due. False when
  // there was none.
  bool RunPending();
  void Handle(const XEvent& event);
  // Waits until a timer falls due or an X event or ending signal arrives; returns how long.
  std::chrono::nanoseconds WaitForEvent();

  SaverWindowEvents& events_;
  SaverTarget& target_;
  EndSignals& endSignals_;
  const std::chrono::steady_clock::time_point start_;
  SaverTimers timers_;
  DisplayBox display_;
  ArtBox patterns_[3];
};

}  // namespace zv::platform::x11
