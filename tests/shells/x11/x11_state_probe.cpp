// x11_state_probe (--ticks N | --state S) --out DIR [zorvalite options]: the X11 program with a
// hook that does not ship. After N Timer1 ticks (0: before the first), or after the first tick
// that leaves the spin state machine in state S, no further timer tick reaches the saver, so the
// screen keeps showing that state. The probe then writes DIR/state (the state, the display
// block's place, the settings, the ticks, the time and the time the loop slept until then, as
// key=value lines) and DIR/expected.png: the whole screen as the headless shell's surfaces draw
// the same state. The main loop runs on until the program is ended as zorvalite is.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "formats/png_file.h"
#include "saver/frm_scrn_save.h"
#include "shells/x11/x11_platform.h"
#include "shells/x11/x11_saver_window.h"
#include "testing/forwarding_saver_events.h"
#include "testing/renderer_rig.h"

namespace {

using namespace zv;
using x11::X11Options;
using x11::X11Platform;

struct Freeze {
  std::optional<long> ticks;
  std::optional<int16> state;
};

// The saver's handlers, with the timer ticks held back from the freeze on.
class FreezingEvents : public testing::ForwardingSaverEvents {
 public:
  FreezingEvents(platform::SaverWindowEvents& saver, Freeze freeze, std::filesystem::path out)
      : ForwardingSaverEvents(saver), freeze_(freeze), out_(std::move(out)), start_(std::chrono::steady_clock::now()) {}

  void Watch(const LotteryEngine& engine, const Globals& globals, x11::X11SaverWindow& window) {
    engine_ = &engine;
    globals_ = &globals;
    window_ = &window;
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

  // The headless shell's screen of the state, at the block's place and the window's layout.
  void WriteExpected(const EngineView& view, platform::PictureBox& block) {
    formats::WritePng(testing::ScreenOfState(view, window_->Layout(), {block.Left(), block.Top(), block.Width(), block.Height()}),
                      out_ / "expected.png");
  }

  Freeze freeze_;
  std::filesystem::path out_;
  std::chrono::steady_clock::time_point start_;
  const LotteryEngine* engine_ = nullptr;
  const Globals* globals_ = nullptr;
  x11::X11SaverWindow* window_ = nullptr;
  long timer1Ticks_ = 0;
  long timer2Ticks_ = 0;
  std::chrono::nanoseconds slept_{0};
  bool frozen_ = false;
  bool written_ = false;
};

class ProbePlatform : public X11Platform {
 public:
  ProbePlatform(const X11Options& options, Freeze freeze, std::filesystem::path out)
      : X11Platform(options), freeze_(freeze), out_(std::move(out)) {}

  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    events_ = std::make_unique<FreezingEvents>(events, freeze_, out_);
    auto window = X11Platform::CreateSaverWindow(*events_);
    // The X11 platform's saver window, whose layout the expected picture follows.
    window_ = static_cast<x11::X11SaverWindow*>(window.get());
    return window;
  }
  void Watch(const LotteryEngine& engine, const Globals& globals) { events_->Watch(engine, globals, *window_); }

 private:
  Freeze freeze_;
  std::filesystem::path out_;
  std::unique_ptr<FreezingEvents> events_;
  x11::X11SaverWindow* window_ = nullptr;
};

[[noreturn]] void Usage(const std::string& why) {
  std::fprintf(stderr, "x11_state_probe: %s\nusage: x11_state_probe (--ticks N | --state S) --out DIR [zorvalite options]\n",
               why.c_str());
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  Freeze freeze;
  std::filesystem::path out;
  while (args.size() >= 2 && (args[0] == "--ticks" || args[0] == "--state" || args[0] == "--out")) {
    if (args[0] == "--ticks") freeze.ticks = std::stol(args[1]);
    else if (args[0] == "--state") freeze.state = static_cast<int16>(std::stoi(args[1]));
    else out = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (!freeze.ticks == !freeze.state) Usage("give one of --ticks and --state");
  if (out.empty()) Usage("--out DIR is missing");

  X11Options options;
  try {
    options = x11::ParseX11Options(args);
  } catch (const x11::UsageError& error) {
    Usage(error.what());
  }
  try {
    ProbePlatform platform(options, freeze, out);
    Globals globals;
    globals.SaverMode = kTrue;
    frmScrnSave saver(platform, globals);
    platform.Watch(saver.Engine(), globals);
    saver.Form_Load();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "x11_state_probe: %s\n", error.what());
  }
  return 1;
}
