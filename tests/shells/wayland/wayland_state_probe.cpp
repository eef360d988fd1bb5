// wayland_state_probe (--ticks N | --state S) --out DIR [zorvalite options]: the Wayland display
// mode with the test hook of state_probe.h, full screen on every output. The saver of each output
// freezes on its own and writes DIR/output-NAME/state (with the scale of its output) and
// DIR/output-NAME/expected.png, NAME being the output's global name. The savers run on until the
// program is ended as zorvalite is.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "saver/frm_scrn_save.h"
#include "shells/wayland/wayland_display_mode.h"
#include "shells/wayland/wayland_platform.h"
#include "shells/wayland/wayland_saver_window.h"
#include "state_probe.h"

namespace {

using namespace zv;
using linux_saver::Options;
using probe::Freeze;
using probe::FreezingEvents;
using wayland::WaylandPlatform;

class ProbePlatform : public WaylandPlatform {
 public:
  ProbePlatform(const Options& options, std::uint32_t output, Freeze freeze, std::filesystem::path out)
      : WaylandPlatform(options, output), freeze_(freeze), out_(std::move(out)) {}

  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    events_ = std::make_unique<FreezingEvents>(events, freeze_, out_);
    auto window = WaylandPlatform::CreateSaverWindow(*events_);
    // The Wayland platform's saver window, whose layout the expected picture follows.
    window_ = static_cast<wayland::WaylandSaverWindow*>(window.get());
    return window;
  }
  void Watch(const LotteryEngine& engine, const Globals& globals) {
    events_->Watch(engine, globals, *window_, window_->Layout());
  }

 private:
  Freeze freeze_;
  std::filesystem::path out_;
  std::unique_ptr<FreezingEvents> events_;
  wayland::WaylandSaverWindow* window_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path out;
  const Freeze freeze = probe::TakeFreeze(args, out, "wayland_state_probe");
  Options options;
  try {
    options = linux_saver::ParseOptions(args);
  } catch (const linux_saver::UsageError& error) {
    std::fprintf(stderr, "wayland_state_probe: %s\n", error.what());
    return 2;
  }
  try {
    return wayland::RunOnEveryOutput([&](std::uint32_t output) {
      const std::filesystem::path folder = out / ("output-" + std::to_string(output));
      std::filesystem::create_directories(folder);
      ProbePlatform platform(options, output, freeze, folder);
      Globals globals;
      globals.SaverMode = kTrue;
      frmScrnSave saver(platform, globals);
      platform.Watch(saver.Engine(), globals);
      saver.Form_Load();
    });
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wayland_state_probe: %s\n", error.what());
  }
  return 1;
}
