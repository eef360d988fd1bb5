#include "shells/web/run_state.h"

#include <emscripten.h>

#include <string>

namespace zv::web {
namespace {

const LotteryEngine* watchedEngine = nullptr;
const Globals* watchedGlobals = nullptr;
const WebPlatform* watchedPlatform = nullptr;

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
  if (const WebSaverWindow* window = watchedPlatform->SaverWindow()) {
    const platform::PictureBox& block = window->Block();
    const platform::ScreenLayout& layout = window->Layout();
    json.Add("block", block.Left(), block.Top(), block.Width(), block.Height())
        .Add("canvas", layout.window.width, layout.window.height)
        .Add("scale", layout.blockScale.numerator, layout.blockScale.denominator)
        .Add("timer1Interval", window->Timers().Interval(platform::Timer::Timer1))
        .Add("timer1Ticks", window->Timer1Ticks())
        .Add("timer2Ticks", window->Timer2Ticks())
        .Add("blockRefreshes", window->BlockRefreshes())
        .Add("firstRefreshMs", window->FirstRefreshMs())
        .Add("elapsedMs", window->Elapsed() / platform::kMillisecond)
        .Add("sleptMs", window->Slept().count() / platform::kMillisecond);
  }
  return json.Close();
}

}  // namespace

void OfferRunState(const LotteryEngine& engine, const Globals& globals, const WebPlatform& platform) {
  watchedEngine = &engine;
  watchedGlobals = &globals;
  watchedPlatform = &platform;
}

}  // namespace zv::web

// Called by the page (Module._zv_run_state); the text lives until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* zv_run_state() {
  static std::string text;
  text = zv::web::watchedEngine ? zv::web::StateJson() : "null";
  return text.c_str();
}
