#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "digits/digit_renderer.h"
#include "lottery/lottery_engine.h"
#include "platform/platform.h"
#include "saver/slept_passes.h"
#include "settings/globals.h"

namespace zv {

// The saver window: its load sequence and main loop, the rules that end it, and the calls
// that tell the system about the screen saver. In saver mode it covers the screen; otherwise it
// is a preview, a child of another program's window, which draws the same run in that window
// and leaves the cursor, the screen-saver setting and the input alone: it ends only when its
// window goes.
class frmScrnSave : public platform::SaverWindowEvents {
 public:
  // The full-screen saver.
  frmScrnSave(platform::SaverPlatform& platform, Globals& globals);
  // A preview in `parent`, a window of another program.
  frmScrnSave(platform::Platform& platform, Globals& globals, platform::WindowHandle parent);
  ~frmScrnSave() override;

  // The load sequence runs the whole saver run: it shows the window, places the display
  // block, loads the art, fills the tables, places the starting reels, starts the lottery,
  // applies the settings, runs the main loop until a quit is requested, and closes. The
  // process ends inside the close, in an unload the system asks for (a preview's only end), or
  // in the report of an error that nothing handled, so Form_Load never returns.
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
  std::unique_ptr<platform::PictureForecast> ForecastPicture() const override;

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
  bool InSaverMode() const { return globals_.SaverMode == kTrue; }
  // The first step of every Timer1 tick.
  void NotifyScreenSaverActive();
  // Puts back what the run changed in the system: the screen-saver-active setting, the cursor.
  void RestoreSystem();

  using WindowMaker = std::function<std::unique_ptr<platform::SaverWindow>(platform::SaverWindowEvents&)>;
  frmScrnSave(platform::SaverPlatform& platform, Globals& globals, const WindowMaker& makeWindow);

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
