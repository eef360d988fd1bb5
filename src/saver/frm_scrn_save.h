#pragma once
#include <cstdint>
#include <memory>

#include "display/digit_renderer.h"
#include "lottery/lottery_engine.h"
#include "platform/platform.h"
#include "saver/slept_passes.h"
#include "startup/globals.h"

namespace zv {

// The full-screen saver window: its load sequence and main loop, the rules that end it,
// and the calls that tell the system about the screen saver.
class frmScrnSave : public platform::SaverWindowEvents {
 public:
  frmScrnSave(platform::SaverPlatform& platform, Globals& globals);
  ~frmScrnSave() override;

  // Runs the whole saver run; the process ends inside its last step, or in the report of an
  // error that nothing handled.
  void Form_Load();

  void Timer1_Timer() override;
  void Timer2_Timer() override;
  void Form_Click() override;
  void Form_KeyDown(int16 keyCode, int16 shift) override;
  void Form_MouseMove(int16 button, int16 shift, float x, float y) override;
  void Form_Unload(int16& cancel) override;
  void ReportUnhandledError() override;
  void IdlePasses(std::int64_t count) override;
  void Slept(std::chrono::nanoseconds duration) override;

  int16 QuitRequested = kFalse;
  int16 MouseStartX = 0;
  int16 MouseStartY = 0;
  // The running write index of the fixed tables while they are filled at load.
  int16 StoreCursor = 0;

  const LotteryEngine& Engine() const { return engine_; }

 private:
  void DrawPass();
  // The first step of every Timer1 tick.
  void NotifyScreenSaverActive();
  // Puts back what the run changed in the system: the screen-saver-active setting, the cursor.
  void RestoreSystem();

  platform::SaverPlatform& platform_;
  Globals& globals_;
  std::unique_ptr<platform::SaverWindow> window_;
  LotteryEngine engine_;
  DigitRenderer renderer_;
  SleptPasses sleptPasses_;
  // The system's screen-saver-active setting as it was when the saver started; put back at
  // unload, so that one saver run does not switch the screen saver off for good.
  bool screenSaveActiveAtLoad_ = true;
};

}  // namespace zv
