// The saver run of the probe page: the page's run (src/shells/web/main.cpp) with the test hook.
// The run's worker (probe_worker.js) asks for its state between two yields of the main loop, when
// the canvas shows that state, and ?seed=N fixes its lottery. The browser checks compare the
// canvas with the headless shell's picture of that state.
#include <emscripten.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <system_error>

#include "platform/saver_window.h"
#include "report/unhandled_error.h"
#include "saver/frm_scrn_save.h"
#include "shells/web/web_platform.h"
#include "testing/forwarding_saver_events.h"

// The seed the probe page hands the run (Module.seed, the page's ?seed=), copied as far as it
// fits; its whole length, or -1 when there is none.
EM_JS(int, zv_probe_seed, (char* text, int size), {
  const seed = Module["seed"];
  if (seed === null || seed === undefined) return -1;
  stringToUTF8(seed, text, size);
  return lengthBytesUTF8(seed);
});

// The run's state as the first pass left it (probe_worker.js keeps it with the canvas's pixels).
EM_JS(void, zv_probe_first_pass_over, (const char* state), { Module["firstPassOver"](UTF8ToString(state)); });

namespace {

using namespace zv;

// ?seed=N: the run's reseeds mix N with their count instead of the clock, so every run of that
// seed draws the same numbers. Anything else is no seed.
ClockSeededRandom::Clock RandomClock() {
  char text[32];
  const int length = zv_probe_seed(text, sizeof text);
  std::uint64_t seed = 0;
  if (length <= 0 || length >= static_cast<int>(sizeof text)) return ClockSeededRandom::HighResolutionTicks;
  const std::from_chars_result read = std::from_chars(text, text + length, seed);
  if (read.ec != std::errc{} || read.ptr != text + length) return ClockSeededRandom::HighResolutionTicks;
  return [seed, reseeds = std::uint64_t{0}]() mutable { return seed * 0x9E3779B97F4A7C15ull + reseeds++; };
}

std::string StateJson();

// The saver's handlers, counting the timers' ticks and the time the loop slept. The counts at the
// start of the last sleep go with the page's clock then: a sleep holds back the ticks it sleeps
// through until it ends, but when one starts every tick due has been delivered, so a rate taken
// between two such starts is the timers' own. The first tick or sleep ends the first pass, whose
// state and picture the run's worker keeps: on a slow machine Form_Load can outlast Timer1's
// interval, and a page loaded hidden then ticks once before it pauses.
class CountingEvents : public testing::ForwardingSaverEvents {
 public:
  using ForwardingSaverEvents::ForwardingSaverEvents;
  void Timer1_Timer() override {
    FirstPassOver();
    saver_.Timer1_Timer();
    ++timer1Ticks;
  }
  void Timer2_Timer() override {
    FirstPassOver();
    saver_.Timer2_Timer();
    ++timer2Ticks;
  }
  void Slept(std::chrono::nanoseconds duration) override {
    FirstPassOver();
    slept += duration;
    sleepStart = {timer1Ticks, timer2Ticks, emscripten_get_now() - static_cast<double>(duration.count()) / 1e6};
    saver_.Slept(duration);
  }

  struct Counts {
    std::int64_t timer1Ticks = 0;
    std::int64_t timer2Ticks = 0;
    double pageMs = 0;
  };
  std::int64_t timer1Ticks = 0;
  std::int64_t timer2Ticks = 0;
  std::chrono::nanoseconds slept{0};
  Counts sleepStart;

 private:
  void FirstPassOver() {
    if (firstPassOver_) return;
    firstPassOver_ = true;
    zv_probe_first_pass_over(StateJson().c_str());
  }
  bool firstPassOver_ = false;
};

// The page's saver window, noting Timer1's interval and the page's clock at its start.
class ProbeWindow : public web::WebSaverWindow {
 public:
  using WebSaverWindow::WebSaverWindow;
  void SetInterval(platform::Timer timer, int16 milliseconds) override {
    if (timer == platform::Timer::Timer1) timer1Interval = milliseconds;
    WebSaverWindow::SetInterval(timer, milliseconds);
  }

  const double startMs = emscripten_get_now();
  int16 timer1Interval = 0;
};

class ProbePlatform : public web::WebPlatform {
 public:
  RandomSource& Random() override { return random_; }
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    events_ = std::make_unique<CountingEvents>(events);
    auto window = std::make_unique<ProbeWindow>(*events_);
    window_ = window.get();
    return window;
  }

  ProbeWindow* window_ = nullptr;
  std::unique_ptr<CountingEvents> events_;

 private:
  ClockSeededRandom random_{RandomClock()};
};

const LotteryEngine* watchedEngine = nullptr;
const Globals* watchedGlobals = nullptr;
const ProbePlatform* watchedPlatform = nullptr;

// "name":value, and a comma before every one but the first.
class JsonObject {
 public:
  template <typename... Numbers>
  JsonObject& Add(const char* name, Numbers... values) {
    text_ += (text_.size() > 1 ? ",\"" : "\"") + std::string(name) + "\":";
    if (sizeof...(values) > 1) text_ += '[';
    std::string separator;
    ((text_ += separator + std::to_string(values), separator = ","), ...);
    if (sizeof...(values) > 1) text_ += ']';
    return *this;
  }
  std::string Close() { return text_ + '}'; }

 private:
  std::string text_ = "{";
};

// The numbers of the engine and the settings as the core holds them; the block in logical
// pixels, the canvas in device pixels.
std::string StateJson() {
  const LotteryEngine& engine = *watchedEngine;
  JsonObject json;
  json.Add("spinState", static_cast<int>(engine.SpinState))
      .Add("reels", engine.ReelPosLeft, engine.ReelPosCentre, engine.ReelPosRight)
      .Add("flashPhase", engine.FlashPhase)
      .Add("blinkOn", engine.BlinkOn)
      .Add("level", watchedGlobals->ProbDenominator)
      .Add("spec", watchedGlobals->SpecClass);
  if (ProbeWindow* window = watchedPlatform->window_) {
    const platform::PictureBox& block = window->Display();
    const platform::ScreenLayout& layout = window->Layout();
    const CountingEvents& counted = *watchedPlatform->events_;
    json.Add("block", block.Left(), block.Top(), block.Width(), block.Height())
        .Add("canvas", layout.window.width, layout.window.height)
        .Add("scale", layout.blockScale.numerator, layout.blockScale.denominator)
        .Add("timer1Interval", window->timer1Interval)
        .Add("timer1Ticks", counted.timer1Ticks)
        .Add("timer2Ticks", counted.timer2Ticks)
        .Add("elapsedMs", static_cast<std::int64_t>(emscripten_get_now() - window->startMs))
        .Add("sleptMs", std::chrono::duration_cast<std::chrono::milliseconds>(counted.slept).count())
        .Add("atSleepStart", counted.sleepStart.timer1Ticks, counted.sleepStart.timer2Ticks,
             static_cast<std::int64_t>(counted.sleepStart.pageMs - window->startMs));
  }
  return json.Close();
}

}  // namespace

// Called by the run's worker (Module._zv_run_state); the text lives until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* zv_run_state() {
  static std::string text;
  text = watchedEngine ? StateJson() : "null";
  return text.c_str();
}

int main() {
  ProbePlatform platform;
  try {
    Globals globals;
    globals.SaverMode = kTrue;
    frmScrnSave saver(platform, globals);
    watchedEngine = &saver.Engine();
    watchedGlobals = &globals;
    watchedPlatform = &platform;
    saver.Form_Load();
  } catch (const std::exception&) {
    ReportUnhandledAndEnd(platform.GetProcess());
  }
  return 1;
}
