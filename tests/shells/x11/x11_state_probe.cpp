// x11_state_probe (--ticks N | --state S) --out DIR [zorvalite options]: the X11 program with a
// hook that does not ship (state_probe.h). After N Timer1 ticks (0: before the first), or after
// the first tick that leaves the spin state machine in state S, no further timer tick reaches the
// saver, so the screen keeps showing that state; the probe writes DIR/state and
// DIR/expected.png, the headless shell's picture of it. The main loop runs on until the program
// is ended as zorvalite is.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "saver/frm_scrn_save.h"
#include "shells/x11/x11_platform.h"
#include "shells/x11/x11_saver_window.h"
#include "state_probe.h"

namespace {

using namespace zv;
using linux_saver::Options;
using probe::Freeze;
using probe::FreezingEvents;
using x11::X11Platform;

class ProbePlatform : public X11Platform {
 public:
  ProbePlatform(const Options& options, Freeze freeze, std::filesystem::path out)
      : X11Platform(options), freeze_(freeze), out_(std::move(out)) {}

  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    events_ = std::make_unique<FreezingEvents>(events, freeze_, out_);
    auto window = X11Platform::CreateSaverWindow(*events_);
    // The X11 platform's saver window, whose layout the expected picture follows.
    window_ = static_cast<x11::X11SaverWindow*>(window.get());
    return window;
  }
  void Watch(const LotteryEngine& engine, const Globals& globals) { events_->Watch(engine, globals, *window_, window_->Layout()); }

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
  std::filesystem::path out;
  const Freeze freeze = probe::TakeFreeze(args, out, "x11_state_probe");

  Options options;
  try {
    options = linux_saver::ParseOptions(args);
  } catch (const linux_saver::UsageError& error) {
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
