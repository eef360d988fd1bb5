#pragma once
#include <chrono>

#include "display_mode/end_signals.h"
#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "platform/software_picture_box.h"
#include "shells/wayland/saver_surface.h"
#include "shells/wayland/wayland_connection.h"

namespace zv::wayland {

// The saver window on Wayland: the display block shown on the saver's surface, Windows' timer
// cadence on the monotonic clock, and a yield that sleeps in poll on the compositor's socket
// until the next timer, event or ending signal. The surface is the whole screen of the run, at
// its output's scale (scale x 96 DPI): the block shows in whole squares at high DPI, as on
// Windows and X11.
class WaylandSaverWindow : public platform::SaverWindow, SurfaceEvents {
 public:
  // A compositor that goes away ends the process with status 1, told on standard error when
  // `reportGone`.
  WaylandSaverWindow(platform::SaverWindowEvents& events, WaylandConnection& connection, SaverSurface& surface,
                     display_mode::EndSignals& endSignals, bool reportGone);
  ~WaylandSaverWindow() override;

  void Show() override { surface_.Map(); }
  int16 ScaleWidth() const override { return layout_.ScaleWidth(); }
  int16 ScaleHeight() const override { return layout_.ScaleHeight(); }
  void Refresh() override { display_.Refresh(); }
  void Cls() override { surface_.ClearBlock(); }
  void Hide() override { surface_.Unmap(); }
  void Unload() override;
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override { timers_.SetInterval(timer, milliseconds, Now()); }
  platform::PictureBox& Display() override { return display_; }
  platform::PictureBox& Pattern(platform::Art art) override { return patterns_[static_cast<int>(art) - 1]; }
  // The glyph bitmaps are built into the program.
  void LoadPicture(platform::Art art) override;

  // Where the block shows on the surface at its present size and scale.
  const platform::ScreenLayout& Layout() const { return layout_; }

 private:
  // The display block shows itself on the surface at a refresh that has something new to show,
  // at the layout's scale.
  struct DisplayBox : platform::SoftwarePictureBox {
    DisplayBox(SaverSurface& surface, const platform::ScreenLayout& layout) : surface(surface), layout(layout) {}
    void Refresh() override;
    SaverSurface& surface;
    const platform::ScreenLayout& layout;
    // The block at the layout's scale, when that is not 1.
    platform::SoftwareSurface scaled{0, 0};
  };
  // The art boxes are hidden: a refresh shows nothing.
  struct ArtBox : platform::SoftwarePictureBox {
    void Refresh() override {}
  };

  void Reconfigured() override;
  void CloseRequested() override { Unload(); }
  void OutputGone() override;
  void KeyPressed() override { events_.Form_KeyDown(); }
  void Clicked() override { events_.Form_Click(); }
  void PointerAt(double x, double y) override { events_.Form_MouseMove(static_cast<float>(x), static_cast<float>(y)); }

  platform::Nanoseconds Now() const;
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
  display_mode::EndSignals& endSignals_;
  bool reportGone_;
  const std::chrono::steady_clock::time_point start_;
  platform::TimerDelivery timers_;
  platform::ScreenLayout layout_;
  DisplayBox display_;
  ArtBox patterns_[3];
};

}  // namespace zv::wayland
