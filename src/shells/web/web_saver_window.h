#pragma once
#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "shells/web/page.h"
#include "software_shell/block_boxes.h"

namespace zv::web {

// The saver window in the browser: the page's black screen, which fills the browser's window (or
// the whole screen, full screen), as the whole screen of the run at the DPI of devicePixelRatio.
// The display block shows with putImageData, in whole squares at high DPI. Windows' timer cadence
// runs on the page's clock, and the yield sleeps, handing the browser back its thread, until the
// next timer or an event of the page.
class WebSaverWindow : public platform::SaverWindow {
 public:
  explicit WebSaverWindow(platform::SaverWindowEvents& events);

  void Show() override { page::ShowScreen(true); }
  int16 ScaleWidth() const override { return layout_.ScaleWidth(); }
  int16 ScaleHeight() const override { return layout_.ScaleHeight(); }
  void Refresh() override;
  void Cls() override { page::FillBlack(); }
  void Hide() override { page::ShowScreen(false); }
  void Unload() override { events_.Form_Unload(); }
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override { timers_.SetInterval(timer, milliseconds, Now()); }
  platform::PictureBox& Display() override { return boxes_.Display(); }
  platform::PictureBox& Pattern(platform::Art art) override { return boxes_.Pattern(art); }
  void LoadPicture(platform::Art art) override { boxes_.LoadPicture(art); }

  // The page's screen as the run's one monitor: where the block shows, at what scale.
  const platform::ScreenLayout& Layout() const { return layout_; }

 private:
  // Draws the block's pixels on the page at `shown`.
  void Put(const platform::SoftwareSurface& pixels, const platform::Rect& shown);
  platform::Nanoseconds Now() const;
  // Runs every event that is pending now: the page's, then timers due. False when there was none.
  bool RunPending();
  void Handle(const page::Event& event);
  // Sleeps until the next Timer1 tick (or the Timer2 tick that changes the picture) or an event
  // of the page; returns how long.
  std::chrono::nanoseconds WaitForEvent();

  platform::SaverWindowEvents& events_;
  const double startMs_;
  platform::TimerDelivery timers_;
  platform::ScreenLayout layout_;
  // The display block shows itself on the page at every refresh.
  software_shell::BlockBoxes boxes_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace zv::web
