#include "saver/frm_scrn_save.h"

#include "machine/layout_and_timing.h"
#include "platform/screen_layout.h"
#include "report/unhandled_error.h"
#include "saver/picture_forecast.h"
#include "settings/settings.h"

namespace zv {

frmScrnSave::frmScrnSave(platform::SaverPlatform& platform, Globals& globals)
    : frmScrnSave(platform, globals, [&platform](platform::SaverWindowEvents& events) { return platform.CreateSaverWindow(events); }) {}

frmScrnSave::frmScrnSave(platform::Platform& platform, Globals& globals, platform::WindowHandle parent)
    : frmScrnSave(platform, globals,
                  [&platform, parent](platform::SaverWindowEvents& events) { return platform.CreatePreviewWindow(events, parent); }) {}

frmScrnSave::frmScrnSave(platform::SaverPlatform& platform, Globals& globals, const WindowMaker& makeWindow)
    : platform_(platform),
      globals_(globals),
      window_(makeWindow(*this)),
      engine_(globals, platform.Random(), *window_),
      renderer_(window_->Display(), window_->Pattern(platform::Art::Red), window_->Pattern(platform::Art::Green),
                window_->Pattern(platform::Art::Orange)) {}

frmScrnSave::~frmScrnSave() = default;

// The run catches its own errors, so that they are reported while its window stands. The
// headless shell's End unwinds with something that is no std::exception, and that passes.
void frmScrnSave::Form_Load() try {
  if (InSaverMode()) screenSaveActiveAtLoad_ = platform_.System().ScreenSaveActive();
  window_->Show();
  QuitRequested = kFalse;
  PlaceDisplayBlock();
  LoadArt();
  FillTables();
  PlaceStartingReels();
  engine_.SetInitialLotteryState();
  ApplySettings();
  if (InSaverMode()) platform_.System().ShowCursor(false);
  window_->Refresh();
  RunMainLoop();
  Close();
} catch (const std::exception&) {
  ReportUnhandledError();
}

// Its solid black fill is the brush of the renderer's border fills. It starts at its place, or
// nearer the corner where the window is too small for that (a preview's window smaller than
// the block shows it scaled down to fit, and its logical size holds the block just so).
void frmScrnSave::PlaceDisplayBlock() {
  platform::PictureBox& display = window_->Display();
  display.SetHeight(kDisplayHeight);
  display.SetLeft(static_cast<int16>(platform::StartOffset(kDisplayStartLeft, window_->ScaleWidth(), kDisplayWidth)));
  display.SetTop(static_cast<int16>(platform::StartOffset(kDisplayStartTop, window_->ScaleHeight(), kDisplayHeight)));
  display.SetWidth(kDisplayWidth);
  display.SetSolidFill(platform::kBlack);
}

void frmScrnSave::LoadArt() {
  window_->LoadPicture(platform::Art::Red);
  window_->LoadPicture(platform::Art::Green);
  window_->LoadPicture(platform::Art::Orange);
}

void frmScrnSave::FillTables() {
  int16 storeCursor = 0;
  FillSegmentFrames(renderer_.SegmentFrames, storeCursor);
  storeCursor = 0;
  engine_.FillHitPatterns(storeCursor);
}

// The first pass draws all three reels: no shown position is the reel's.
void frmScrnSave::PlaceStartingReels() {
  renderer_.ShownPosLeft = 0;
  renderer_.ShownPosCentre = 0;
  renderer_.ShownPosRight = 0;
  engine_.PlaceStartingReels();
}

void frmScrnSave::ApplySettings() {
  LoadSettings(platform_.Settings(), globals_);
  window_->SetInterval(platform::Timer::Timer1, globals_.SpecClass != 0 ? kTimer1LowSpec : kTimer1HighSpec);
}

// The test follows the yield, so a quit requested during a yield ends the loop without
// another pass.
void frmScrnSave::RunMainLoop() {
  do {
    DrawPass();
    window_->DoEvents();
  } while (QuitRequested != kTrue);
}

// The process ends in the unload.
void frmScrnSave::Close() {
  if (InSaverMode()) platform_.System().ShowCursor(true);
  window_->Cls();
  window_->Hide();
  window_->Unload();
}

void frmScrnSave::DrawPass() {
  renderer_.DrawPass(ViewOf(engine_));
  // Last step of every pass, including one that draws nothing.
  engine_.AdvanceMissOdometer();
}

// A skipped pass would have drawn nothing new: only the odometer moves on.
void frmScrnSave::IdlePasses(std::int64_t count) { engine_.AdvanceMissOdometerBy(count); }

// A loop that never waits would have run its passes through the time slept, each turning the
// odometer: it moves on as if they had run.
void frmScrnSave::Slept(std::chrono::nanoseconds duration) {
  engine_.AdvanceMissOdometerBy(sleptPasses_.Count(duration));
}

std::unique_ptr<platform::PictureForecast> frmScrnSave::ForecastPicture() const {
  return std::make_unique<EngineForecast>(engine_);
}

void frmScrnSave::NotifyScreenSaverActive() {
  if (InSaverMode()) platform_.System().SetScreenSaveActive(true);
}

void frmScrnSave::Timer1_Timer() {
  NotifyScreenSaverActive();
  engine_.Timer1_Timer();
}

void frmScrnSave::Timer2_Timer() { engine_.Timer2_Timer(); }

void frmScrnSave::Form_Click() {
  if (InSaverMode()) QuitRequested = kTrue;
}

void frmScrnSave::Form_KeyDown() {
  if (InSaverMode()) QuitRequested = kTrue;
}

void frmScrnSave::Form_MouseMove(float x, float y) {
  if (!InSaverMode()) return;
  int16 px = CInt(x);
  int16 py = CInt(y);
  if (MouseStartX == 0 && MouseStartY == 0) {
    MouseStartX = px;
    MouseStartY = py;
  } else if (px != MouseStartX || py != MouseStartY) {
    QuitRequested = kTrue;
  }
}

void frmScrnSave::Form_Unload() {
  RestoreSystem();
  platform_.GetProcess().End();
}

// The report of an error ends the run as the unload does: the cursor shows and the setting is
// back while the report, above the saver window, waits for the user. A preview's report
// belongs to no window: its window is a child of another program's, which a box of ours must
// not hold up.
void frmScrnSave::ReportUnhandledError() {
  RestoreSystem();
  ReportUnhandledAndEnd(platform_.GetProcess(), InSaverMode() ? window_.get() : nullptr);
}

// A preview changed nothing in the system.
void frmScrnSave::RestoreSystem() {
  if (!InSaverMode()) return;
  platform_.System().SetScreenSaveActive(screenSaveActiveAtLoad_);
  platform_.System().ShowCursor(true);
}

}  // namespace zv
