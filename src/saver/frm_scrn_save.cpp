#include "saver/frm_scrn_save.h"

#include "platform/unhandled_error.h"
#include "startup/settings.h"

namespace zv {

frmScrnSave::frmScrnSave(platform::SaverPlatform& platform, Globals& globals)
    : platform_(platform),
      globals_(globals),
      window_(platform.CreateSaverWindow(*this)),
      engine_(globals, platform.Random(), *window_),
      renderer_(window_->Display(), window_->Pattern(platform::Art::Red), window_->Pattern(platform::Art::Green),
                window_->Pattern(platform::Art::Orange)) {}

frmScrnSave::~frmScrnSave() = default;

// The run catches its own errors, so that they are reported while its window stands. The
// headless shell's End unwinds with something that is no std::exception, and that passes.
void frmScrnSave::Form_Load() try {
  platform::SystemParameters& system = platform_.System();
  screenSaveActiveAtLoad_ = system.ScreenSaveActive();

  // 1-2
  window_->Show();
  QuitRequested = kFalse;

  // 3: the display block; its solid black fill is the brush of the renderer's border fills.
  platform::PictureBox& display = window_->Display();
  display.SetHeight(68);
  display.SetLeft(10);
  display.SetTop(10);
  display.SetWidth(130);
  display.SetSolidFill(platform::kBlack);

  // 4: Pattern1-3 take the pictures of Image1-3; SegmentFrames.
  window_->LoadPicture(platform::Art::Red);
  window_->LoadPicture(platform::Art::Green);
  window_->LoadPicture(platform::Art::Orange);
  StoreCursor = 0;
  FillSegmentFrames(renderer_.SegmentFrames, StoreCursor);

  // 5
  StoreCursor = 0;
  engine_.FillHitPatterns(StoreCursor);

  // 6: the first pass draws a red 3, a red 1 and a red 3.
  renderer_.ShownPosLeft = 0;
  engine_.ReelPosLeft = 52;
  engine_.ReelPosRight = 52;
  renderer_.ShownPosCentre = 0;
  renderer_.ShownPosRight = 0;
  engine_.ReelPosCentre = 4;

  // 7
  engine_.SetInitialLotteryState();

  // 8-9
  LoadSettings(platform_.Settings(), globals_);
  window_->SetInterval(platform::Timer::Timer1, globals_.SpecClass != 0 ? 10 : 75);

  // 10-11
  if (globals_.SaverMode == kTrue) system.ShowCursor(false);
  window_->Refresh();

  // 12: the test follows the yield, so a quit requested during a yield ends the loop
  // without another pass.
  do {
    DrawPass();
    window_->DoEvents();
  } while (QuitRequested != kTrue);

  // 13-14
  if (globals_.SaverMode == kTrue) system.ShowCursor(true);
  window_->Cls();
  window_->Hide();
  window_->Unload();
} catch (const std::exception&) {
  ReportUnhandledError();
}

void frmScrnSave::DrawPass() {
  renderer_.DrawPass({.SpinState = engine_.SpinState,
                      .ReelPosLeft = engine_.ReelPosLeft,
                      .ReelPosCentre = engine_.ReelPosCentre,
                      .ReelPosRight = engine_.ReelPosRight,
                      .FlashPhase = engine_.FlashPhase,
                      .BlinkOn = engine_.BlinkOn});
  // Last step of every pass, including one that draws nothing.
  engine_.AdvanceMissOdometer();
}

// A skipped pass would have drawn nothing new: only the odometer moves on.
void frmScrnSave::IdlePasses(std::int64_t count) { engine_.AdvanceMissOdometerBy(count); }

// A loop that never waits would have run its passes through the time slept, each turning the
// odometer: it moves on as if they had run.
void frmScrnSave::Slept(std::chrono::nanoseconds duration) { engine_.AdvanceMissOdometerBy(sleptPasses_.Count(duration)); }

void frmScrnSave::NotifyScreenSaverActive() { platform_.System().SetScreenSaveActive(true); }

void frmScrnSave::Timer1_Timer() {
  NotifyScreenSaverActive();
  engine_.Timer1_Timer();
}

void frmScrnSave::Timer2_Timer() { engine_.Timer2_Timer(); }

void frmScrnSave::Form_Click() {
  if (globals_.SaverMode == kTrue) QuitRequested = kTrue;
}

void frmScrnSave::Form_KeyDown(int16, int16) {
  if (globals_.SaverMode == kTrue) QuitRequested = kTrue;
}

void frmScrnSave::Form_MouseMove(int16, int16, float x, float y) {
  if (globals_.SaverMode != kTrue) return;
  int16 px = CInt(x);
  int16 py = CInt(y);
  if (MouseStartX == 0 && MouseStartY == 0) {
    MouseStartX = px;
    MouseStartY = py;
  } else if (px != MouseStartX || py != MouseStartY) {
    QuitRequested = kTrue;
  }
}

void frmScrnSave::Form_Unload(int16&) {
  RestoreSystem();
  platform_.GetProcess().End();
}

// The report of an error ends the run as the unload does: the cursor shows and the setting is
// back while the report, above the saver window, waits for the user.
void frmScrnSave::ReportUnhandledError() {
  RestoreSystem();
  platform::ReportUnhandledAndEnd(platform_.GetProcess(), window_.get());
}

void frmScrnSave::RestoreSystem() {
  platform_.System().SetScreenSaveActive(screenSaveActiveAtLoad_);
  platform_.System().ShowCursor(true);
}

}  // namespace zv
