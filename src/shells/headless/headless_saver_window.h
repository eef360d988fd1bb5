#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "platform/software_surface.h"
#include "saver/slept_passes.h"
#include "shells/headless/headless_picture_box.h"

namespace zv::headless {

// Simulated time of the headless shell, in nanoseconds since the window was created.
using SimTime = platform::Nanoseconds;
using platform::kClockTick;
using platform::kMillisecond;

struct SaverWindowOptions {
  // The primary monitor, at 0, 0 of the desktop.
  int16 screenWidth = 1024;
  int16 screenHeight = 768;
  // The other monitors, in desktop coordinates, and the primary monitor's DPI.
  std::vector<platform::Rect> otherMonitors;
  int dpi = 96;
  // Passes of the main loop per simulated millisecond while it does not wait: the main loop
  // runs one draw pass and one yield per pass, and each yield moves simulated time on by
  // 1/passesPerMs ms.
  double passesPerMs = static_cast<double>(kNominalPassesPerMs);
  // Skip, arithmetically, the passes in which nothing can change on screen.
  bool fastForward = false;
  // A yield that finds nothing pending waits for the next event and reports the wait (Slept),
  // as the program's yield does; otherwise it returns at once and the loop runs on.
  bool sleepWhenIdle = false;
  // Each tick of the system clock is delivered up to this fraction of a tick early or late
  // (uniformly, the same offset for every timer due at that tick), drawn from jitterSeed; 0
  // delivers on the tick exactly. Below 0.5, so the ticks keep their order.
  double timerJitter = 0;
  std::uint64_t jitterSeed = 0;
  // Whether drawing into the display block changes its pixels. A run that never looks at
  // the screen may leave the copies and fills undone; every drawing call is still made.
  bool paintDisplay = true;
  // Where the glyph bitmaps are read from: the source tree's assets by default.
  std::filesystem::path assetsDir = ZV_ASSETS_DIR;
};

// Scripted input, delivered by the first yield at or after its time; positions are in the
// window's pixels.
struct InputEvent {
  enum class Kind { Click, Key, MouseMove, Close } kind;
  SimTime at;
  float x = 0, y = 0;
};

// A simulated saver window: software surfaces, Windows' timer cadence in simulated time,
// and scripted input. It covers every monitor; the display block roams the primary one at the
// layout's scale.
class HeadlessSaverWindow : public platform::SaverWindow {
 public:
  HeadlessSaverWindow(platform::SaverWindowEvents& events, SaverWindowOptions options);

  void Show() override { visible_ = true; }
  int16 ScaleWidth() const override { return layout_.ScaleWidth(); }
  int16 ScaleHeight() const override { return layout_.ScaleHeight(); }
  void Refresh() override { ++windowRefreshes_; }
  void Cls() override {}
  void Hide() override { visible_ = false; }
  void Unload() override;
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override;
  platform::PictureBox& Display() override { return display_; }
  platform::PictureBox& Pattern(platform::Art art) override;
  void LoadPicture(platform::Art art) override;

  // --- the simulation's side
  void Schedule(InputEvent event);
  SimTime Now() const { return now_; }
  std::int64_t Passes() const { return passes_; }
  std::int64_t Timer1Ticks() const { return timers_.Ticks(platform::Timer::Timer1); }
  std::int64_t Timer2Ticks() const { return timers_.Ticks(platform::Timer::Timer2); }
  // The requested interval of a timer, as last set.
  int16 Interval(platform::Timer timer) const;
  bool Visible() const { return visible_; }
  bool DisplayEnabled() const { return display_.Enabled(); }
  std::int64_t DisplayRefreshes() const { return display_.Refreshes(); }
  std::int64_t WindowRefreshes() const { return windowRefreshes_; }
  const platform::ScreenLayout& Layout() const { return layout_; }
  // The whole window as it shows now: black, with the display block at its place and scale.
  platform::SoftwareSurface Screen() const;
  // Called right after every Timer1 tick's handler returns.
  std::function<void()> afterTimer1;

 private:
  // When the timers due at the clock tick `tick` are delivered.
  SimTime Delivery(SimTime tick) const;
  void Deliver(const InputEvent& event);
  // A sleeping loop's wake for a tick delivered at `delivery`, as the loop that woke for every
  // tick counted it.
  void WakeSleptThrough(SimTime delivery);
  // When the next scripted input comes; the end of time when none is left.
  SimTime NextInputTime() const;

  platform::SaverWindowEvents& events_;
  SaverWindowOptions options_;
  platform::ScreenLayout layout_;
  SimTime passTime_;
  SimTime jitterSpan_;
  SimTime now_ = 0;
  std::int64_t passes_ = 0;
  std::int64_t windowRefreshes_ = 0;
  bool visible_ = false;
  bool deliveredLastYield_ = true;
  // While a sleep's ticks are delivered: from when the odometer has yet to count the time, the
  // last wake, and whether the pass after it is still to count.
  SimTime sleptFrom_ = 0;
  SimTime lastWake_ = -1;
  bool passPending_ = false;
  // Takes every copy and fill without changing a pixel.
  struct UnpaintedSurface : platform::Surface {
    int16 Width() const override { return 0; }
    int16 Height() const override { return 0; }
    platform::Colour Pixel(int16, int16) const override { return platform::kBlack; }
    void BitBlt(int16, int16, int16, int16, const platform::Surface&, int16, int16) override {}
    void SetFillColour(platform::Colour) override {}
    void ExtFloodFill(int16, int16, platform::Colour) override {}
  };

  HeadlessPictureBox display_;
  UnpaintedSurface unpainted_;
  HeadlessPictureBox patterns_[3];
  platform::TimerDelivery timers_;
  std::vector<InputEvent> input_;  // sorted by time
  std::size_t nextInput_ = 0;
};

}  // namespace zv::headless
