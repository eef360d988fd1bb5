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

TEST(Main, PreviewEndsAtOnceAndCreatesNothing) {
  ProgramRun run("/p 1234");
  EXPECT_TRUE(run.Main());
  EXPECT_TRUE(run.platform.process.messages.empty());
  EXPECT_EQ(run.platform.saverWindow, nullptr);
  EXPECT_EQ(run.platform.configWindow, nullptr);
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

TEST(Main, ASecondInstanceEndsSilentlyWhateverTheSwitch) {
  for (const char* line : {"/s", "/a", "/c", "/p", "", "/x"}) {
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
