#pragma once
#include <cstdint>
#include <memory>

#include "display/digit_renderer.h"
#include "lottery/lottery_engine.h"
#include "platform/platform.h"
#include "saver/slept_passes.h"
#include "settings/globals.h"

namespace zv {

// The full-screen saver window: its load sequence and main loop, the rules that end it,
// and the calls that tell the system about the screen saver.
class frmScrnSave : public platform::SaverWindowEvents {
 public:
  frmScrnSave(platform::SaverPlatform& platform, Globals& globals);
  ~frmScrnSave() override;

  // The load sequence runs the whole saver run: it shows the window, places the display
  // block, loads the art, fills the tables, places the starting reels, starts the lottery,
  // applies the settings, runs the main loop until a quit is requested, and closes. The
  // process ends inside the close, or in the report of an error that nothing handled, so
  // Form_Load never returns.
  void Form_Load();

  void Timer1_Timer() override;
  void Timer2_Timer() override;
  void Form_Click() override;
  void Form_KeyDown() override;
  void Form_MouseMove(float x, float y) override;
  void Form_Unload() override;
  void ReportUnhandledError() override;
  void IdlePasses(std::int64_t count) override;
  void Slept(std::chrono::nanoseconds duration) override;

  int16 QuitRequested = kFalse;
  int16 MouseStartX = 0;
  int16 MouseStartY = 0;

  const LotteryEngine& Engine() const { return engine_; }

 private:
  // The steps of the load sequence.
  void PlaceDisplayBlock();
  void LoadArt();
  void FillTables();
  void PlaceStartingReels();
  void ApplySettings();
  void RunMainLoop();
  void Close();

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
