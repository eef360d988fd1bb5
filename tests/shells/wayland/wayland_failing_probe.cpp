// wayland_failing_probe [zorvalite options]: the Wayland display mode, full screen on every
// output, with a saver whose key handler fails as a fault of the saver would (run-time error 6,
// Overflow). It does not ship: the checks see that such a failure is reported once and ends the
// program with status 1.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "runtime/run_time_error.h"
#include "shells/wayland/wayland_display_mode.h"
#include "shells/wayland/wayland_platform.h"
#include "startup/md_saver.h"
#include "testing/forwarding_saver_events.h"

namespace {

using namespace zv;

class FailingKey : public testing::ForwardingSaverEvents {
 public:
  using ForwardingSaverEvents::ForwardingSaverEvents;
  void Form_KeyDown() override { throw RuntimeError(ErrorNumber::Overflow); }
};

class FailingPlatform : public wayland::WaylandPlatform {
 public:
  using WaylandPlatform::WaylandPlatform;
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    events_ = std::make_unique<FailingKey>(events);
    return WaylandPlatform::CreateSaverWindow(*events_);
  }

 private:
  std::unique_ptr<FailingKey> events_;
};

}  // namespace

int main(int argc, char** argv) {
  linux_saver::Options options;
  try {
    options = linux_saver::ParseOptions({argv + 1, argv + argc});
    return wayland::RunOnEveryOutput([&options](std::uint32_t output) {
      FailingPlatform platform(options, output);
      RunSaverProgram(platform);
    });
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wayland_failing_probe: %s\n", error.what());
  }
  return 1;
}
