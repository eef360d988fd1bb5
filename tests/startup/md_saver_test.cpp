#include "startup/md_saver.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "shells/headless/headless_platform.h"
#include "testing/scripted_random.h"

namespace zv {
namespace {

using headless::HeadlessPlatform;
using headless::InputEvent;
using headless::kMillisecond;
using headless::ProcessEnded;

TEST(FormSwitch, TrimsSpacesUpperCasesAndKeepsTwoCharacters) {
  EXPECT_EQ(FormSwitch("/s"), "/S");
  EXPECT_EQ(FormSwitch("/S"), "/S");
  EXPECT_EQ(FormSwitch("/s 123"), "/S");
  EXPECT_EQ(FormSwitch("/c:1234"), "/C");
  EXPECT_EQ(FormSwitch(" /c"), "/C");
  EXPECT_EQ(FormSwitch("   /p 1234  "), "/P");
  EXPECT_EQ(FormSwitch("s"), "S");
  EXPECT_EQ(FormSwitch("s   "), "S");
  EXPECT_EQ(FormSwitch("-s"), "-S");
  EXPECT_EQ(FormSwitch(""), "");
  EXPECT_EQ(FormSwitch("    "), "");
  EXPECT_EQ(FormSwitch("\t/s"), "\t/");  // only space characters are trimmed
}

TEST(Dispatch, OnlyTheThreeSwitchesAndTheEmptyTextAreNotTheSaver) {
  for (const char* other : {"/", "A", "/a", "C "}) EXPECT_EQ(Dispatch(other), RunKind::Saver) << "'" << other << "'";
}

TEST(Dispatch, CommandLinesDecideTheRun) {
  struct Case {
    const char* line;
    RunKind kind;
  } cases[] = {
      {"/s", RunKind::Saver},       {"/S", RunKind::Saver},           {"/s 123", RunKind::Saver},
      {"/X", RunKind::Saver},       {"-s", RunKind::Saver},           {"s", RunKind::Saver},
      {"/c", RunKind::Configure},   {"/C", RunKind::Configure},       {"/c:1234", RunKind::Configure},
      {" /c", RunKind::Configure},  {"", RunKind::Configure},         {"     ", RunKind::Configure},
      {"/p 1234", RunKind::Preview}, {"/a 1234", RunKind::PasswordMessage},
  };
  for (const Case& c : cases) EXPECT_EQ(Dispatch(FormSwitch(c.line)), c.kind) << "'" << c.line << "'";
}

// One run of Main on the headless shell, as the process would start it.
struct ProgramRun {
  ClockSeededRandom clockRandom;
  testing::ScriptedRandom random;
  HeadlessPlatform platform{random};
  mdSaver program{platform};

  explicit ProgramRun(std::string arguments, bool anotherInstance = false) {
    // The saver's load draws its starting values.
    random.ThenUse(clockRandom);
    platform.process.arguments = std::move(arguments);
    platform.process.anotherInstance = anotherInstance;
    // A saver run ends only on input: a key a moment after it starts.
    platform.pendingInput.push_back({InputEvent::Kind::Key, 5 * kMillisecond});
  }
  // Runs Main; true when the process ended inside it.
  bool Main() {
    try {
      program.Main();
      return false;
    } catch (const ProcessEnded&) {
      return true;
    }
  }
};

TEST(Main, PasswordSwitchShowsTheMessageAndEnds) {
  ProgramRun run("/a 1234");
  EXPECT_TRUE(run.Main());
  EXPECT_EQ(run.platform.process.messages, std::vector{platform::TextId::PasswordsNotSupported});
  EXPECT_EQ(run.platform.saverWindow, nullptr);
  EXPECT_EQ(run.platform.configWindow, nullptr);
  EXPECT_TRUE(run.platform.settings.writes.empty());
}

TEST(PreviewParent, IsTheDecimalNumberAfterTheSwitch) {
  EXPECT_EQ(PreviewParent("/p 12345"), 12345u);
  EXPECT_EQ(PreviewParent("/p:12345"), 12345u);
  EXPECT_EQ(PreviewParent("/P 12345"), 12345u);
  EXPECT_EQ(PreviewParent("  /p   12345  "), 12345u);
  EXPECT_EQ(PreviewParent("/P: 7"), 7u);
  for (const char* none : {"/p", "/p ", "/p:", "/p abc", "/p -5", "/p +5", "/p 12 34", "/p 0x10", "/p 12345x",
                           "/p 99999999999999999999999"})
    EXPECT_EQ(PreviewParent(none), std::nullopt) << "'" << none << "'";
}

// The little monitor of the settings page.
constexpr platform::WindowHandle kPreviewArea = 65632;

TEST(Main, PreviewWithoutAWindowToShowInEndsAtOnceAndCreatesNothing) {
  for (const char* line : {"/p", "/P", "/p 1234", "/p:abc"}) {
    ProgramRun run(line);
    run.platform.otherWindows[kPreviewArea] = {152, 112};
    EXPECT_TRUE(run.Main()) << "'" << line << "'";
    EXPECT_TRUE(run.platform.process.messages.empty());
    EXPECT_EQ(run.platform.saverWindow, nullptr);
    EXPECT_EQ(run.platform.configWindow, nullptr);
  }
}

// A preview is no instance: it runs beside a saver or a dialog and does not claim the token
// that would stop a later "/S" or "/C". It ends only when its window goes, not on input.
TEST(Main, PreviewRunsInAChildFillingTheGivenWindowBesideAnotherInstance) {
  for (const char* line : {"/p 65632", "/p:65632", "/P 65632"}) {
    ProgramRun run(line, /*anotherInstance=*/true);
    run.platform.otherWindows[kPreviewArea] = {152, 112};
    run.platform.pendingInput.push_back({InputEvent::Kind::Click, 100 * kMillisecond, 5, 5});
    run.platform.pendingInput.push_back({InputEvent::Kind::MouseMove, 200 * kMillisecond, 40, 40});
    run.platform.pendingInput.push_back({InputEvent::Kind::MouseMove, 300 * kMillisecond, 80, 90});
    run.platform.pendingInput.push_back({InputEvent::Kind::Close, 3000 * kMillisecond});
    EXPECT_TRUE(run.Main()) << "'" << line << "'";
    EXPECT_FALSE(run.platform.process.claimedInstance);
    ASSERT_NE(run.platform.saverWindow, nullptr);
    EXPECT_EQ(run.platform.saverWindow->ScaleWidth(), 152);
    EXPECT_EQ(run.platform.saverWindow->ScaleHeight(), 112);
    EXPECT_NEAR(static_cast<double>(run.platform.saverWindow->Now()) / kMillisecond, 3000, 0.1);
    EXPECT_GT(run.platform.saverWindow->Timer1Ticks(), 30);
    EXPECT_EQ(run.program.GetGlobals().SaverMode, kFalse);
    EXPECT_EQ(run.platform.system.cursorCount, 0);
    EXPECT_TRUE(run.platform.system.screenSaveActiveCalls.empty());
  }
}

TEST(Main, ConfigureOpensTheDialogAndReturns) {
  for (const char* line : {"/c", "/C", "/c:1234", " /c", "", "   "}) {
    ProgramRun run(line);
    EXPECT_FALSE(run.Main()) << "'" << line << "'";
    ASSERT_NE(run.platform.configWindow, nullptr) << "'" << line << "'";
    EXPECT_TRUE(run.platform.configWindow->Visible());
    EXPECT_EQ(run.platform.saverWindow, nullptr);
    EXPECT_EQ(run.program.GetGlobals().SaverMode, kFalse);
  }
}

TEST(Main, EveryOtherSwitchRunsTheSaverInSaverMode) {
  for (const char* line : {"/s", "/S", "/s 123", "/X", "-s", "s"}) {
    ProgramRun run(line);
    EXPECT_TRUE(run.Main()) << "'" << line << "'";
    ASSERT_NE(run.platform.saverWindow, nullptr) << "'" << line << "'";
    EXPECT_EQ(run.program.GetGlobals().SaverMode, kTrue);
    EXPECT_EQ(run.platform.configWindow, nullptr);
    EXPECT_GT(run.platform.saverWindow->Passes(), 0);
  }
}

TEST(Main, ASecondInstanceEndsSilentlyWhateverTheSwitchButPreview) {
  for (const char* line : {"/s", "/a", "/c", "", "/x"}) {
    ProgramRun run(line, /*anotherInstance=*/true);
    EXPECT_TRUE(run.Main()) << "'" << line << "'";
    EXPECT_TRUE(run.platform.process.messages.empty()) << "'" << line << "'";
    EXPECT_EQ(run.platform.saverWindow, nullptr);
    EXPECT_EQ(run.platform.configWindow, nullptr);
    EXPECT_EQ(run.program.GetGlobals().SaverMode, kFalse);
    EXPECT_EQ(run.platform.system.cursorCount, 0);
  }
}

// A platform whose saver window runs `fault` right after its first Timer1 tick.
struct FaultyPlatform : HeadlessPlatform {
  using HeadlessPlatform::HeadlessPlatform;
  std::function<void()> fault;
  std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
    auto window = HeadlessPlatform::CreateSaverWindow(events);
    saverWindow->afterTimer1 = fault;
    return window;
  }
};

TEST(RunProgram, WhateverAHandlerThrowsIsReportedOnceAndEndsTheProcess) {
  struct Case {
    std::function<void()> fault;
    const char* report;
  } cases[] = {
      {[] { throw RuntimeError(ErrorNumber::Overflow); }, "Run-time error '6':\n\nOverflow"},
      {[] { throw std::bad_alloc(); }, "Run-time error '7':\n\nOut of memory"},
      {[] { throw std::length_error("basic_string"); }, "Run-time error '51':\n\nInternal error"},
  };
  for (const Case& c : cases) {
    ClockSeededRandom random;
    FaultyPlatform platform(random);
    platform.process.arguments = "/s";
    platform.fault = c.fault;
    EXPECT_THROW(RunProgram(platform), ProcessEnded) << c.report;
    EXPECT_EQ(platform.process.errorReports, std::vector<std::string>{c.report});
  }
}

}  // namespace
}  // namespace zv
