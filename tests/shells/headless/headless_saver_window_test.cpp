// The timer rhythm of the headless shell, which the engine's tests take for granted: on the
// 15.625 ms clock a 75 ms Timer1 ticks every 78.125 ms with five Timer2 ticks from one of its
// ticks to the next, and a 10 ms Timer1 ticks on every clock tick with one.
#include "shells/headless/headless_saver_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "machine/layout_and_timing.h"
#include "testing/no_saver_events.h"

namespace zv::headless {
namespace {

// Notes the time of every Timer1 tick and the Timer2 ticks since the one before.
struct TimerLog : testing::NoSaverEvents {
  void Timer1_Timer() override {
    timer1At.push_back(window->Now());
    timer2Between.push_back(timer2Ticks);
    timer2Ticks = 0;
  }
  void Timer2_Timer() override { ++timer2Ticks; }

  const HeadlessSaverWindow* window = nullptr;
  std::vector<SimTime> timer1At;
  std::vector<int> timer2Between;
  int timer2Ticks = 0;
};

TEST(HeadlessTimers, EachSpeedClassTicksOnTheClockWithAFixedCountOfCountingTicks) {
  struct Case {
    int16 interval;
    SimTime period;
    int timer2Between;
  } cases[] = {{kTimer1HighSpec, 5 * kClockTick, 5}, {kTimer1LowSpec, kClockTick, 1}};
  for (const Case& c : cases) {
    TimerLog log;
    SaverWindowOptions options;
    options.passesPerMs = 64;  // a yield every 15.625 us: each clock tick falls on one
    HeadlessSaverWindow window(log, options);
    log.window = &window;
    window.SetInterval(platform::Timer::Timer1, c.interval);
    while (log.timer1At.size() < 100) window.DoEvents();
    EXPECT_EQ(log.timer1At.front(), c.period) << c.interval << " ms";
    for (std::size_t i = 1; i < log.timer1At.size(); ++i) {
      ASSERT_EQ(log.timer1At[i] - log.timer1At[i - 1], c.period) << c.interval << " ms, tick " << i;
      ASSERT_EQ(log.timer2Between[i], c.timer2Between) << c.interval << " ms, tick " << i;
    }
  }
}

// A screen longer than 16 bits can count in the block's units gives the saver 32767 there, as
// the other shells' screens do: 32767 pixels by 60, shown at 60/68, is 37135 units wide.
TEST(HeadlessScreen, ItsSizeInTheBlocksUnitsStopsAt32767) {
  testing::NoSaverEvents events;
  SaverWindowOptions options;
  options.screenWidth = 32767;
  options.screenHeight = 60;
  HeadlessSaverWindow window(events, options);
  EXPECT_EQ(window.ScaleWidth(), 32767);
  EXPECT_EQ(window.ScaleHeight(), 68);
}

}  // namespace
}  // namespace zv::headless
