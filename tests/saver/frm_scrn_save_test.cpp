#include "saver/frm_scrn_save.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "recording_platform.h"
#include "testing/saver_run.h"
#include "testing/scripted_random.h"

namespace zv {
namespace {

using headless::InputEvent;
using headless::kMillisecond;
using testing::CallLog;

// A saver run with every platform call logged.
struct LoggedRun {
  ClockSeededRandom clockRandom;
  testing::ScriptedRandom random;
  testing::RecordingPlatform platform{random};
  testing::SaverRun saver{platform};

  LoggedRun() { random.ThenUse(clockRandom); }

  headless::HeadlessSaverWindow& Window() { return saver.Window(); }
  void At(double ms, InputEvent::Kind kind, float x = 500, float y = 400) {
    Window().Schedule({kind, static_cast<headless::SimTime>(ms * kMillisecond), x, y});
  }
  void Run() {
    // Whatever the test scripted, the system closes the window after a simulated minute.
    At(60'000, InputEvent::Kind::Close);
    saver.Run();
  }
  double EndedAtMs() { return static_cast<double>(Window().Now()) / kMillisecond; }
  long Count(const std::string& call) const { return std::count(platform.log.begin(), platform.log.end(), call); }
  std::ptrdiff_t IndexOf(const std::string& call) const {
    return std::find(platform.log.begin(), platform.log.end(), call) - platform.log.begin();
  }
};

std::string Dump(const CallLog& log) {
  std::string text;
  for (const std::string& call : log) text += "  " + call + "\n";
  return text;
}

// True when `expected` occurs in `log` in this order, other calls allowed in between.
bool InOrder(const CallLog& log, const CallLog& expected) {
  auto at = log.begin();
  for (const std::string& call : expected) {
    at = std::find(at, log.end(), call);
    if (at == log.end()) return false;
    ++at;
  }
  return true;
}

TEST(SaverLoad, RunsItsStepsInOrderAndEndsThroughTheUnload) {
  LoggedRun run;
  run.platform.system.screenSaveActive = false;
  run.At(300, InputEvent::Kind::Key);
  run.Run();
  const CallLog& log = run.platform.log;
  EXPECT_TRUE(InOrder(log, {"Show", "Display.SetHeight 68", "Display.SetLeft 10", "Display.SetTop 10",
                            "Display.SetWidth 130", "Display.SetSolidFill 0", "ReadSetting Level", "ReadSetting Spec",
                            "SetInterval Timer1 75", "ShowCursor false", "Refresh", "DoEvents", "DoEvents quit",
                            "ShowCursor true", "Cls", "Hide", "Unload", "SetScreenSaveActive false",
                            "ShowCursor true", "End"}))
      << Dump(log);
  // Nothing yields before the main loop, and nothing runs after the end.
  EXPECT_LT(run.IndexOf("Refresh"), run.IndexOf("DoEvents")) << Dump(log);
  EXPECT_EQ(log.back(), "End");
  // The setting to restore is read before the first tick switches it on.
  EXPECT_LT(run.IndexOf("ScreenSaveActive?"), run.IndexOf("SetScreenSaveActive true")) << Dump(log);
  EXPECT_EQ(run.Count("ScreenSaveActive?"), 1);
}

TEST(SaverLoad, AppliesTheSettingsAndPlacesTheDisplayBlock) {
  LoggedRun run;
  run.platform.settings.values["Zorvalite\\Options\\Level"] = "30";
  run.At(1, InputEvent::Kind::Key);
  run.Run();
  EXPECT_EQ(run.saver.globals.ProbDenominator, 30);
  EXPECT_EQ(run.saver.globals.SpecClass, 0);
  platform::PictureBox& display = run.Window().Display();
  EXPECT_EQ(display.Left(), 10);
  EXPECT_EQ(display.Top(), 10);
  EXPECT_EQ(display.Width(), 130);
  EXPECT_EQ(display.Height(), 68);
  EXPECT_FALSE(run.Window().Visible());
  EXPECT_TRUE(run.platform.settings.writes.empty());
}

TEST(SaverLoad, SpinTimerTicksEvery75msForHighSpecElse10ms) {
  struct Case {
    const char* spec;  // nullptr: absent
    int16 interval;
  } cases[] = {{nullptr, 75}, {"0", 75}, {"1", 10}, {"2", 10}, {"-5", 10}, {"abc", 75}, {"99999", 75}};
  for (const Case& c : cases) {
    LoggedRun run;
    if (c.spec) run.platform.settings.values["Zorvalite\\Options\\Spec"] = c.spec;
    run.At(1, InputEvent::Kind::Key);
    run.Run();
    EXPECT_EQ(run.Window().Interval(platform::Timer::Timer1), c.interval) << (c.spec ? c.spec : "absent");
    EXPECT_EQ(run.Window().Interval(platform::Timer::Timer2), 2);
  }
}

TEST(SaverLoop, AQuitDuringAYieldEndsTheLoopWithoutAnotherPass) {
  LoggedRun run;
  run.At(250, InputEvent::Kind::Click);
  run.Run();
  const CallLog& log = run.platform.log;
  ASSERT_EQ(run.Count("DoEvents quit"), 1) << Dump(log);
  auto quit = run.IndexOf("DoEvents quit");
  ASSERT_LT(quit + 1, static_cast<std::ptrdiff_t>(log.size()));
  EXPECT_EQ(log[quit + 1], "ShowCursor true") << Dump(log);
  EXPECT_NEAR(run.EndedAtMs(), 250, 0.1);
}

TEST(SaverLoop, EndsOnTheFirstKeyOrClickOnTheWindow) {
  for (auto kind : {InputEvent::Kind::Key, InputEvent::Kind::Click}) {
    LoggedRun run;
    run.At(400, kind, 600, 500);
    run.Run();
    EXPECT_NEAR(run.EndedAtMs(), 400, 0.1);
    EXPECT_EQ(run.Count("Cls"), 1);
  }
}

// The display block, at (10, 10) until the first spin, takes no input of its own: over it the
// window's rules apply, in the window's coordinates.
TEST(SaverLoop, OverTheDisplayBlockAClickOrAMoveEndsItAsAnywhere) {
  LoggedRun clicked;
  clicked.At(50, InputEvent::Kind::Click, 20, 20);
  clicked.Run();
  EXPECT_NEAR(clicked.EndedAtMs(), 50, 0.1);

  LoggedRun moved;
  moved.At(10, InputEvent::Kind::MouseMove, 70, 40);
  moved.At(30, InputEvent::Kind::MouseMove, 70, 40);
  moved.At(50, InputEvent::Kind::MouseMove, 72, 40);
  moved.Run();
  EXPECT_NEAR(moved.EndedAtMs(), 50, 0.1);
}

TEST(SaverLoop, APointerMoveEndsItOnlyAfterTheFirstPosition) {
  LoggedRun run;
  run.At(10, InputEvent::Kind::MouseMove, 512, 384);   // appears under the pointer: stored
  run.At(100, InputEvent::Kind::MouseMove, 512, 384);  // the same place again
  run.At(200, InputEvent::Kind::MouseMove, 513, 384);  // one pixel away
  run.Run();
  EXPECT_NEAR(run.EndedAtMs(), 200, 0.1);
}

TEST(SaverLoop, TheCursorIsHiddenOnceAndShownTwice) {
  LoggedRun run;
  run.At(100, InputEvent::Kind::Key);
  run.Run();
  EXPECT_EQ(run.Count("ShowCursor false"), 1);
  EXPECT_EQ(run.Count("ShowCursor true"), 2);
  EXPECT_EQ(run.platform.system.cursorCount, 1);
}

TEST(SaverLoop, EveryTimer1TickFirstSwitchesTheScreenSaverOn) {
  LoggedRun run;
  run.platform.system.screenSaveActive = false;
  std::vector<std::size_t> callsAtTick;
  run.Window().afterTimer1 = [&] { callsAtTick.push_back(run.platform.system.screenSaveActiveCalls.size()); };
  run.At(1000, InputEvent::Kind::Key);
  run.Run();
  ASSERT_GE(callsAtTick.size(), 10u);  // 75 ms ticks on a 15.6 ms clock: 12 or 13 in a second
  for (std::size_t i = 0; i < callsAtTick.size(); ++i) EXPECT_EQ(callsAtTick[i], i + 1);
  const std::vector<bool>& calls = run.platform.system.screenSaveActiveCalls;
  EXPECT_EQ(std::count(calls.begin(), calls.end(), true), static_cast<long>(callsAtTick.size()));
}

TEST(SaverUnload, RestoresTheScreenSaverSettingFoundAtLoad) {
  for (bool before : {false, true}) {
    LoggedRun run;
    run.platform.system.screenSaveActive = before;
    run.At(500, InputEvent::Kind::Key);
    run.Run();
    ASSERT_GT(run.Count("SetScreenSaveActive true"), 0);  // the ticks did switch it on
    EXPECT_EQ(run.platform.system.screenSaveActive, before);
  }
}

TEST(SaverUnload, ASystemCloseDuringAYieldSkipsTheClosingStepsButStillRestores) {
  LoggedRun run;
  run.platform.system.screenSaveActive = false;
  run.At(300, InputEvent::Kind::Close);
  run.Run();
  EXPECT_NEAR(run.EndedAtMs(), 300, 0.1);
  EXPECT_EQ(run.Count("Cls"), 0);
  EXPECT_EQ(run.Count("Hide"), 0);
  EXPECT_EQ(run.Count("ShowCursor false"), 1);
  EXPECT_EQ(run.Count("ShowCursor true"), 1);  // by the unload handler
  EXPECT_EQ(run.platform.system.cursorCount, 0);
  EXPECT_FALSE(run.platform.system.screenSaveActive);
  EXPECT_EQ(run.platform.log.back(), "End");
}

// A run-time error in a tick (as a bad stored value would raise) ends the run as the unload
// does, with the report between: the cursor shows and the screen-saver setting is back when the
// report, owned by the saver window, appears.
TEST(SaverFault, AnErrorIsReportedAboveTheWindowWithTheCursorShownAndTheSettingBack) {
  LoggedRun run;
  run.platform.system.screenSaveActive = false;
  int ticks = 0;
  run.Window().afterTimer1 = [&] {
    if (++ticks == 3) throw RuntimeError(ErrorNumber::Overflow);
  };
  run.Run();
  const CallLog& log = run.platform.log;
  EXPECT_TRUE(InOrder(log, {"ShowCursor false", "SetScreenSaveActive true", "SetScreenSaveActive false",
                            "ShowCursor true", "ReportRuntimeError 6", "End"}))
      << Dump(log);
  EXPECT_EQ(log.end() - std::find(log.begin(), log.end(), "ReportRuntimeError 6"), 2) << "only End follows";
  EXPECT_EQ(run.platform.system.cursorCount, 0);
  EXPECT_FALSE(run.platform.system.screenSaveActive);
  EXPECT_EQ(run.platform.RecordedProcess().errorReports, std::vector<std::string>{"Run-time error '6':\n\nOverflow"});
  EXPECT_EQ(run.platform.RecordedProcess().reportOwner, run.platform.saverWindow);
}

// The quit rules, called directly as the shell calls the handlers.
struct Handlers : ::testing::Test {
  testing::ScriptedRandom random;
  headless::HeadlessPlatform platform{random};
  testing::SaverRun saver{platform};
  Globals& globals = saver.globals;
  frmScrnSave& form = saver.form;

  void Move(float x, float y) { form.Form_MouseMove(x, y); }
  bool Quit() const { return form.QuitRequested == kTrue; }
};

TEST_F(Handlers, FirstPointerEventOnlyStoresItsPosition) {
  Move(300, 200);
  EXPECT_FALSE(Quit());
  EXPECT_EQ(form.MouseStartX, 300);
  EXPECT_EQ(form.MouseStartY, 200);
  Move(300, 200);
  EXPECT_FALSE(Quit());
}

TEST_F(Handlers, OnePixelAwayFromTheFirstPositionEndsIt) {
  Move(300, 200);
  for (auto [x, y] : {std::pair{301.0f, 200.0f}, {299.0f, 200.0f}, {300.0f, 201.0f}, {300.0f, 199.0f}}) {
    form.QuitRequested = kFalse;
    Move(x, y);
    EXPECT_TRUE(Quit()) << x << "," << y;
  }
}

TEST_F(Handlers, TheStoredPositionIsNeverUpdated) {
  Move(300, 200);
  form.QuitRequested = kFalse;
  Move(301, 200);
  form.QuitRequested = kFalse;
  Move(300, 200);
  EXPECT_FALSE(Quit());
  EXPECT_EQ(form.MouseStartX, 300);
}

TEST_F(Handlers, CoordinatesRoundHalvesToEven) {
  Move(100.5f, 50.5f);  // stored as (100, 50)
  EXPECT_EQ(form.MouseStartX, 100);
  EXPECT_EQ(form.MouseStartY, 50);
  Move(99.5f, 49.5f);  // also (100, 50)
  EXPECT_FALSE(Quit());
  Move(100.4f, 50.4f);
  EXPECT_FALSE(Quit());
  Move(101.5f, 50.0f);  // (102, 50)
  EXPECT_TRUE(Quit());
}

TEST_F(Handlers, TheTopLeftCornerCountsAsNothingStored) {
  Move(0, 0);
  EXPECT_FALSE(Quit());
  Move(0.4f, 0.3f);  // rounds to (0, 0): still nothing stored
  EXPECT_FALSE(Quit());
  Move(3, 4);  // the first move away is stored, not counted
  EXPECT_FALSE(Quit());
  EXPECT_EQ(form.MouseStartX, 3);
  EXPECT_EQ(form.MouseStartY, 4);
  Move(3, 4);
  EXPECT_FALSE(Quit());
  Move(4, 4);
  EXPECT_TRUE(Quit());
}

TEST_F(Handlers, APositionOnOneAxisZeroIsStored) {
  Move(0, 7);
  EXPECT_FALSE(Quit());
  Move(0, 8);
  EXPECT_TRUE(Quit());
}

TEST_F(Handlers, EveryKeyAndEveryClickEndsIt) {
  form.Form_KeyDown();  // whichever key, Shift alone included
  EXPECT_TRUE(Quit());
  form.QuitRequested = kFalse;
  form.Form_Click();
  EXPECT_TRUE(Quit());
}

TEST_F(Handlers, OutsideSaverModeInputDoesNothing) {
  globals.SaverMode = kFalse;
  form.Form_KeyDown();
  form.Form_Click();
  Move(10, 10);
  Move(500, 500);
  EXPECT_FALSE(Quit());
  EXPECT_EQ(form.MouseStartX, 0);
}

}  // namespace
}  // namespace zv
