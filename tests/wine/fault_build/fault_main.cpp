// The entry point of ZorvaliteFault.scr, a test-only build: the product's Win32 shell, whose
// saver window hands its handlers a run-time error (Overflow) in place of the sixtieth Timer1
// tick, about four and a half seconds into a run at the 75 ms tick. From there the error takes
// the product's own path: the shell's guard of the window procedure, then the saver's report.
#include <windows.h>

#include <memory>

#include "shells/win32/win32_platform.h"
#include "startup/md_saver.h"
#include "testing/forwarding_saver_events.h"

namespace {

using zv::platform::SaverWindowEvents;

class FaultingEvents : public zv::testing::ForwardingSaverEvents {
 public:
  using ForwardingSaverEvents::ForwardingSaverEvents;
  void Timer1_Timer() override {
    if (++ticks_ == kFaultTick) throw zv::RuntimeError(zv::ErrorNumber::Overflow);
    saver_.Timer1_Timer();
  }

 private:
  static constexpr int kFaultTick = 60;
  int ticks_ = 0;
};

class FaultingPlatform : public zv::win32::Win32Platform {
 public:
  std::unique_ptr<zv::platform::SaverWindow> CreateSaverWindow(SaverWindowEvents& events) override {
    events_ = std::make_unique<FaultingEvents>(events);
    return Win32Platform::CreateSaverWindow(*events_);
  }

 private:
  std::unique_ptr<FaultingEvents> events_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  FaultingPlatform platform;
  zv::RunProgram(platform);
  return 0;
}
