// The test hook of the display mode's probes (x11_state_probe, wayland_state_probe), which do
// not ship: the saver's handlers with the timer ticks held back from a chosen point on, so that
// the screen keeps showing that state. The first tick held back writes OUT/state (the state, the
// display block's place, the settings, the ticks, the time and the time the loop slept until
// then, as key=value lines) and OUT/expected.png: the whole screen as the headless shell's
// surfaces draw the same state, at the block's place and scale.
#pragma once
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "formats/png_file.h"
#include "lottery/lottery_engine.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "settings/globals.h"
#include "testing/forwarding_saver_events.h"
#include "testing/renderer_rig.h"

namespace zv::probe {

struct Freeze {
  std::optional<long> ticks;
  std::optional<int16> state;
};

// The saver's handlers, with the timer ticks held back from the freeze on.
class FreezingEvents : public zv::testing::ForwardingSaverEvents {
 public:
  FreezingEvents(platform::SaverWindowEvents& saver, Freeze freeze, std::filesystem::path out)
      : ForwardingSaverEvents(saver), freeze_(freeze), out_(std::move(out)), start_(std::chrono::steady_clock::now()) {}

  void Watch(const LotteryEngine& engine, const Globals& globals, platform::SaverWindow& window, const platform::ScreenLayout& layout) {
    engine_ = &engine;
    globals_ = &globals;
    window_ = &window;
    layout_ = &layout;
    frozen_ = freeze_.ticks == 0;
  }

  void Timer1_Timer() override {
    if (frozen_) return Frozen();
    saver_.Timer1_Timer();
    ++timer1Ticks_;
    frozen_ = freeze_.ticks ? timer1Ticks_ >= *freeze_.ticks : static_cast<int16>(engine_->SpinState) == *freeze_.state;
  }
  void Timer2_Timer() override {
    if (frozen_) return Frozen();
    saver_.Timer2_Timer();
    ++timer2Ticks_;
  }
  void Slept(std::chrono::nanoseconds duration) override {
    if (!frozen_) slept_ += duration;
    saver_.Slept(duration);
  }

 private:
  // The first tick held back comes after at least one draw pass of the frozen state, and after
  // the loop flushed its drawing to the X server while it waited.
  void Frozen() {
    if (written_) return;
    written_ = true;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    platform::PictureBox& block = window_->Display();
    const EngineView view{.SpinState = engine_->SpinState,
                          .ReelPosLeft = engine_->ReelPosLeft,
                          .ReelPosCentre = engine_->ReelPosCentre,
                          .ReelPosRight = engine_->ReelPosRight,
                          .FlashPhase = engine_->FlashPhase,
                          .BlinkOn = engine_->BlinkOn};
    WriteExpected(view, block);
    std::ofstream state(out_ / "state.new");
    state << "level=" << globals_->ProbDenominator << "\nspec=" << globals_->SpecClass
          << "\nspin_state=" << static_cast<int16>(view.SpinState) << "\nreels=" << view.ReelPosLeft << ',' << view.ReelPosCentre << ','
          << view.ReelPosRight << "\nblink=" << view.BlinkOn << "\nblock=" << block.Left() << ',' << block.Top()
          << "\nscreen=" << window_->ScaleWidth() << 'x' << window_->ScaleHeight() << "\ntimer1_ticks=" << timer1Ticks_
          << "\ntimer2_ticks=" << timer2Ticks_ << "\nelapsed_ms="
          << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()
          << "\nslept_ms=" << std::chrono::duration_cast<std::chrono::milliseconds>(slept_).count() << '\n';
    state.close();
    std::filesystem::rename(out_ / "state.new", out_ / "state");
  }

  // The headless shell's screen: black, with the display block as the renderer draws the state
  // on software surfaces, at the block's place and scale.
  void WriteExpected(const EngineView& view, platform::PictureBox& block) {
    formats::WritePng(testing::ScreenOfState(view, *layout_, {block.Left(), block.Top(), block.Width(), block.Height()}),
                      out_ / "expected.png");
  }

  Freeze freeze_;
  std::filesystem::path out_;
  std::chrono::steady_clock::time_point start_;
  const LotteryEngine* engine_ = nullptr;
  const Globals* globals_ = nullptr;
  platform::SaverWindow* window_ = nullptr;
  const platform::ScreenLayout* layout_ = nullptr;
  long timer1Ticks_ = 0;
  long timer2Ticks_ = 0;
  std::chrono::nanoseconds slept_{0};
  bool frozen_ = false;
  bool written_ = false;
};

// The probe's own options, taken off the front of the command line: (--ticks N | --state S)
// --out DIR. A wrong one ends the program with status 2 and the usage of `program`.
inline Freeze TakeFreeze(std::vector<std::string>& args, std::filesystem::path& out, const char* program) {
  Freeze freeze;
  while (args.size() >= 2 && (args[0] == "--ticks" || args[0] == "--state" || args[0] == "--out")) {
    if (args[0] == "--ticks") freeze.ticks = std::stol(args[1]);
    else if (args[0] == "--state") freeze.state = static_cast<int16>(std::stoi(args[1]));
    else out = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  const char* why = !freeze.ticks == !freeze.state ? "give one of --ticks and --state" : out.empty() ? "--out DIR is missing" : nullptr;
  if (why) {
    std::fprintf(stderr, "%s: %s\nusage: %s (--ticks N | --state S) --out DIR [zorvalite options]\n", program, why, program);
    std::exit(2);
  }
  return freeze;
}

}  // namespace zv::probe
