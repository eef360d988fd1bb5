#pragma once
#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "platform/software_picture_box.h"
#include "shells/web/page.h"

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
  platform::PictureBox& Display() override { return display_; }
  platform::PictureBox& Pattern(platform::Art art) override { return patterns_[static_cast<int>(art) - 1]; }
  // The glyph bitmaps are built into the program.
  void LoadPicture(platform::Art art) override;

  // What the page's test hook reports: where the block shows, and how the run has gone.
  const platform::ScreenLayout& Layout() const { return layout_; }
  const platform::PictureBox& Block() const { return display_; }
  const platform::TimerDelivery& Timers() const { return timers_; }
  std::int64_t Timer1Ticks() const { return timers_.Ticks(platform::Timer::Timer1); }
  std::int64_t Timer2Ticks() const { return timers_.Ticks(platform::Timer::Timer2); }
  std::int64_t BlockRefreshes() const { return display_.refreshes; }
  // How long the run has gone, and how much of it the loop slept.
  platform::Nanoseconds Elapsed() const { return Now(); }
  std::chrono::nanoseconds Slept() const { return slept_; }
  // The page's clock when the first refresh of the block was drawn; negative before.
  double FirstRefreshMs() const { return display_.firstRefreshMs; }

 private:
  // The display block shows itself on the page at a refresh that has something new to show, at
  // the layout's scale.
  struct DisplayBox : platform::SoftwarePictureBox {
    explicit DisplayBox(const platform::ScreenLayout& layout) : layout(layout) {}
    void Refresh() override;
    const platform::ScreenLayout& layout;
    platform::SoftwareSurface scaled{0, 0};
    std::vector<std::uint32_t> pixels;
    std::int64_t refreshes = 0;
    double firstRefreshMs = -1;
  };
  // The art boxes are hidden: a refresh shows nothing.
  struct ArtBox : platform::SoftwarePictureBox {
    void Refresh() override {}
  };

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
  DisplayBox display_;
  ArtBox patterns_[3];
  std::chrono::nanoseconds slept_{0};
};

}  // namespace zv::web
